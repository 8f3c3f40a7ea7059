// MD2 (RFC 1319), MD4 (RFC 1320) and MD5 (RFC 1321).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvix::digest {

struct Md2State {
    uint8_t x[48];         // running digest, current block, block XOR digest
    uint8_t checksum[16];
    uint8_t bufferFill;    // bytes of the current block, 0..15
    uint8_t checksumLast;  // L of RFC 1319
};

// A block transform compresses `blocks` consecutive 64-byte blocks into the chaining
// values A, B, C, D.
using MdTransformFn = void (*)(uint32_t* hash, const uint8_t* data, size_t blocks);

struct MdState {
    uint32_t hash[4];      // A, B, C, D
    uint32_t bitCount[2];  // message bits modulo 2^64, low word first
    uint8_t buffer[64];    // partial block; its fill is derived from bitCount
    MdTransformFn transform;  // MD4's or MD5's
};


void Md2Init(Md2State& state, uint32_t variant);
void Md2AddByte(Md2State& state, uint8_t byte);
void Md2Update(Md2State& state, const uint8_t* data, uint32_t length);
void Md2Final(Md2State& state, std::string& digest);

// Variant 4 is MD4, any other value MD5.
void MdInit(MdState& state, uint32_t variant);
void MdUpdate(MdState& state, const uint8_t* data, uint32_t length);
void MdFinal(MdState& state, std::string& digest);
void Md4Transform(uint32_t* hash, const uint8_t* data, size_t blocks);
void Md5Transform(uint32_t* hash, const uint8_t* data, size_t blocks);

// MD5 of many messages side by side (HashBatch).
template <typename Word>
struct LaneFamily;
const LaneFamily<uint32_t>& Md5Lanes();

}  // namespace quorvix::digest
