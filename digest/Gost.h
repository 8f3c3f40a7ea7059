// GOST R 34.11-94 with the test parameter set (RFC 4357, id-GostR3411-94-TestParamSet).
#pragma once

#include <cstdint>
#include <string>

namespace quorvix::digest {

struct GostState {
    uint32_t sum[8];     // sum of the message blocks modulo 2^256
    uint32_t hash[8];    // running hash value
    uint32_t length[8];  // message length in bits
    uint8_t partial[32];
    uint32_t partialFill;  // 0..32; a last whole block waits here for the final
};

void GostInit(GostState& state, uint32_t variant);  // one variant
void GostUpdate(GostState& state, const uint8_t* data, uint32_t length);
void GostFinal(GostState& state, std::string& digest);
void GostCompressBlock(GostState& state, const uint8_t* block, uint32_t bits);
void GostStep(uint32_t* hash, const uint32_t* message);
// GOST 28147-89 in simple substitution mode; `low` and `high` are the two halves.
void GostEncrypt(uint32_t& low, uint32_t& high, const uint32_t* key);

}  // namespace quorvix::digest
