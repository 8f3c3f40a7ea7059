// HAVAL (Zheng, Pieprzyk, Seberry, AUSCRYPT '92), version 1, with 3, 4 or 5 passes and
// 128..256-bit output. Padding starts with the byte 0x80.
#pragma once

#include <cstdint>
#include <string>

namespace quorvix::digest {

struct HavalState {
    uint32_t bitCount[2];  // message bits, low word first; the block fill derives from it
    uint32_t hash[8];      // fingerprint F0..F7
    uint8_t block[128];
    uint32_t passes;  // 3..5; others count as the nearest
    uint32_t bits;    // digest length, 128..256
};

// `bits` is the digest length; the pass count starts at 3.
void HavalInit(HavalState& state, uint32_t bits);
// Pass counts below 3 count as 3, above 5 as 5.
void HavalUpdate(HavalState& state, const uint8_t* data, uint32_t length);
void HavalFinal(HavalState& state, std::string& digest);
// Pads, tailors and writes bits / 8 digest bytes; clears the state.
void HavalEnd(HavalState& state, uint8_t* digest, uint16_t bits, uint32_t passes);
void HavalTransform(uint32_t* hash, const uint8_t* block, uint32_t passes);
void HavalTailor(HavalState& state, uint16_t bits);

}  // namespace quorvix::digest
