// Tiger (Anderson and Biham, 1996), the original form padded with 0x01.
#pragma once

#include <cstdint>
#include <string>

namespace quorvix::digest {

struct TigerState {
    uint64_t hash[3];     // a, b, c
    uint64_t bitCount;    // bits in the blocks compressed so far; 64 bits wide so
                          // that messages of 512 MiB and more get the true length
    uint32_t bufferFill;  // 0..63
    uint8_t buffer[64];
    uint32_t passes;  // 0 runs one pass
    uint32_t bits;    // digest length: 128, 160 or 192
};

// `bits` is the digest length; the pass count starts at 3.
void TigerInit(TigerState& state, uint32_t bits);
void TigerUpdate(TigerState& state, const uint8_t* data, uint32_t length);
// Prints a, b, c as 16-digit numbers and keeps the first bits / 4 digits.
void TigerFinal(TigerState& state, std::string& digest);
// A pass count of 0 runs one pass.
void TigerTransform(const uint8_t* block, TigerState& state, uint32_t passes);

}  // namespace quorvix::digest
