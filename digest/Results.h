// The texts of the result codes, one table for the C++ and the C interface: the C
// interface's codes are the library's, and two of its own after them.
#pragma once

#include <cstdint>

#include "CryptoAPI.h"

namespace quorvix::digest {

// The caller's buffer cannot hold the digest's text; a pass count not allowed.
constexpr uint32_t kResultBufferTooSmall = 7;
constexpr uint32_t kResultBadPasses = 8;

// The text of `code`, or "Unknown error" past `last`.
const char* ResultText(uint32_t code, uint32_t last);

// Feeds a message of any length to HashUpdate, in pieces of at most 4 GiB - 1. Inline:
// a short message pays for one call only.
inline HashError UpdateWhole(HashContext* context, const void* data, uint64_t length) {
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
