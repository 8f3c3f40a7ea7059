// Tiger (Anderson and Biham, 1996), the original form padded with 0x01.
#pragma once

#include <cstdint>
#include <string>

struct TigerState {
    uint64_t hash[3];     // a, b, c
    uint64_t bitCount;    // bits in the blocks compressed so far; 64 bits wide so
                          // that messages of 512 MiB and more get the true length
    uint32_t bufferFill;  // 0..63
    uint8_t buffer[64];
};

void TigerInit(TigerState& state);
void TigerUpdate(TigerState& state, const uint8_t* data, uint32_t length, uint32_t passes);
// Prints a, b, c as 16-digit numbers and keeps the first bits / 4 digits.
void TigerFinal(TigerState& state, uint16_t bits, uint32_t passes, std::string& digest);
// A pass count of 0 runs one pass.
void TigerTransform(const uint8_t* block, TigerState& state, uint32_t passes);
