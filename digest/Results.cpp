#include "Results.h"

#include <iterator>

namespace quorvix::digest {

namespace {

// Indexed by code.
constexpr const char* kResultTexts[] = {
    "No error",
    "Unknown hash type",
    "Hash context is null",
    "Invalid hash context",
    "Could not read file",
    "Could not open file",
    "Hash test failed",
    "Buffer too small for the digest",
    "Pass count not allowed here",
};
static_assert(std::size(kResultTexts) == kResultBadPasses + 1, "one text per code");

}  // namespace

const char* ResultText(uint32_t code, uint32_t last) {
    return code <= last && code < std::size(kResultTexts) ? kResultTexts[code] : "Unknown error";
}

HashError UpdateWhole(HashContext* context, const void* data, uint64_t length) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    do {
        const uint32_t piece = length > UINT32_MAX ? UINT32_MAX : uint32_t(length);
        if (HashError error = HashUpdate(context, bytes, piece)) return error;
        bytes += piece;
        length -= piece;
    } while (length > 0);
    return HASH_ERR_NONE;
}

}  // namespace quorvix::digest
