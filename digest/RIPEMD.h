// RIPEMD-128 and RIPEMD-160 (Dobbertin, Bosselaers, Preneel, 1996; ISO/IEC 10118-3).
#pragma once

#include <cstdint>
#include <string>

namespace quorvix::digest {

struct RipemdState {
    uint32_t hash[5];     // H0..H4; RIPEMD-128 uses H0..H3
    uint64_t byteCount;   // bytes in the blocks compressed so far; 64 bits wide so
                          // that messages of 4 GiB and more get the true length
    uint32_t bufferFill;  // 0..63
    uint8_t buffer[64];
    uint32_t variant;     // 128 or 160
};

// Variant 160 selects RIPEMD-160, any other value RIPEMD-128.
void RipemdInit(RipemdState& state, uint32_t variant);
void RipemdUpdate(RipemdState& state, const uint8_t* data, uint32_t length);
void RipemdFinal(RipemdState& state, std::string& digest);
// Appends 0x80, zeros and the length (low and high 32 bits of the byte count) to the
// buffered tail of the message and compresses the last block or blocks.
void RipemdPad(uint32_t* hash, const uint8_t* buffered, uint32_t lowCount, uint32_t highCount, uint16_t variant);
void Ripemd128Transform(uint32_t* hash, const uint32_t* block);
void Ripemd160Transform(uint32_t* hash, const uint32_t* block);

}  // namespace quorvix::digest
