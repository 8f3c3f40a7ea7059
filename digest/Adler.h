// Adler-32 (RFC 1950).
#pragma once

#include <cstdint>
#include <string>

namespace quorvix::digest {

// The sums, s1 in the low 16 bits and s2 in the high 16 bits; and, once a long message
// is summed with AVX-512, the vector lanes behind them, which stay unreduced between
// updates so that a message given in pieces costs the reduction once, in the final.
struct AdlerState {
    uint32_t sums;
    uint32_t blocks;         // 64-byte blocks added to the lanes since they were last reduced
    uint64_t padding;        // zero bytes those blocks held in place of bytes outside the message
    uint32_t trailingZeros;  // those of them at the end of the last update, not yet taken back
    bool lanesInUse;
    alignas(64) uint8_t lanes[3 * 64];
};

void AdlerInit(AdlerState& state, uint32_t variant);  // one variant
void AdlerUpdate(AdlerState& state, const uint8_t* data, uint32_t length);
void AdlerFinal(AdlerState& state, std::string& digest);

}  // namespace quorvix::digest
