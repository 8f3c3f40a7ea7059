// Digests a file, or standard input, with several types in one reading.
#pragma once

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

private:
    struct Free {
        void operator()(uint8_t* p) const;
    };
    std::unique_ptr<uint8_t, Free> data_;
};

// Called now and then with the bytes read so far and the file size (0 when unknown).
using ProgressFn = std::function<void(uint64_t done, uint64_t total)>;

// path "-" reads standard input. The result is written into `result`, whose strings are
// reused (a run over many small files makes no allocation per file).
void DigestFile(const std::string& path, std::span<const DigestType> types, ReadBuffer& buffer,
                FileDigestResult& result, const ProgressFn& progress = {});
