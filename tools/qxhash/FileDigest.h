// Digests a file, or standard input, with several algorithms in one reading.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "digest/CryptoAPI.h"

struct FileDigestResult {
    HashError error = HASH_ERR_NONE;  // HASH_ERR_OPEN_FILE or HASH_ERR_READ_FILE on failure
    std::string reason;               // the system's text for a failure
    std::vector<std::string> digests; // one per requested type, on success
};

// Called now and then with the bytes read so far and the file size (0 when unknown).
using ProgressFn = std::function<void(uint64_t done, uint64_t total)>;

// path "-" reads standard input. `passes` (when non-zero) is set after each HashInit.
FileDigestResult DigestFile(const std::string& path, const std::vector<uint32_t>& types, uint32_t passes,
                            const ProgressFn& progress = {});
