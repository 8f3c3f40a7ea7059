// Many small files with one digest type: read whole, then digested side by side by the
// library's batch call, where one file at a time would leave the vector lanes idle.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "FileDigest.h"

// Files per group, and the largest file read whole; larger ones, and those that are not
// regular files, are read through the buffer as always.
constexpr size_t kGroupFiles = 64;
constexpr size_t kWholeFileLimit = size_t(1) << 20;

// Digests an opened file that is not read whole (it may show progress).
using StreamedFn = std::function<void(const std::string& path, InputFile& file, const struct stat& info,
                                      FileDigestResult& result)>;

// Digests each of `paths` with `type` into results[i]; each file's errors are its own.
// `walked[i]`, where given, marks a file found in a folder (read only when regular).
void DigestFileGroup(std::span<const std::string> paths, DigestType type, ReadBuffer& buffer,
                     std::vector<FileDigestResult>& results, const StreamedFn& streamed, std::span<const char> walked = {});
