// Digests a file, or standard input, with several types in one reading.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "digest/CryptoAPI.h"

struct FileDigestResult {
    HashError error = HASH_ERR_NONE;  // HASH_ERR_OPEN_FILE or HASH_ERR_READ_FILE on failure
    int systemError = 0;              // errno of a failure
    std::string reason;               // the system's text for a failure
    std::vector<std::string> digests; // one per requested type, on success
    bool skipped = false;             // found in a folder and not a regular file: not read
};

// A type code with its pass count (0: the library's default).
struct DigestType {
    uint32_t code;
    uint32_t passes;
    bool operator==(const DigestType&) const = default;
};

// What a reader reuses from file to file: the buffer files are read through, and the
// digest contexts.
class ReadBuffer {
public:
    ReadBuffer();
    uint8_t* data() const { return data_.get(); }
    static constexpr size_t kSize = size_t(1) << 20;
    std::vector<HashContext> contexts;
    // Room for whole small files, digested side by side (see FileGroup.h); made on first use.
    uint8_t* Files();
    static constexpr size_t kFilesSize = size_t(4) << 20;
    std::vector<std::string> batchDigests;

private:
    struct Free {
        void operator()(uint8_t* p) const;
    };
    std::unique_ptr<uint8_t, Free> data_;
    std::unique_ptr<uint8_t[]> files_;
};

// Called now and then with the bytes read so far and the file size (0 when unknown).
using ProgressFn = std::function<void(uint64_t done, uint64_t total)>;

// A file opened for reading, closed with the object; "-" is standard input (not closed).
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    // False with errno set. `flags` are added to the open's own (O_NONBLOCK: a pipe
    // opens without waiting for a writer).
    bool Open(const std::string& path, int flags);
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    bool owned_ = false;
};

// Marks the result failed, with the system's text for `systemError` (0: none).
void Fail(FileDigestResult& result, HashError error, int systemError);

// Opens the file and reads its status. On failure (it cannot be opened, or it is a
// folder) `result` says why and false is returned; otherwise `result` is cleared. With
// `regularOnly` (a file found in a folder) anything but a regular file is opened without
// waiting, marked skipped and not read: a pipe or a device in a tree never hangs a walk.
bool OpenInput(const std::string& path, InputFile& file, struct stat& info, FileDigestResult& result,
               bool regularOnly = false);
// Digests an opened file from where it stands to its end, into `result`, whose strings
// are reused (a run over many small files makes no allocation per file).
void DigestOpened(InputFile& file, const struct stat& info, std::span<const DigestType> types, ReadBuffer& buffer,
                  FileDigestResult& result, const ProgressFn& progress = {});
