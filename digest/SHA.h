// SHA-1, SHA-256, SHA-384 and SHA-512 (FIPS 180-2).
#pragma once

#include <cstdint>
#include <string>

struct Sha32State {
    uint32_t hash[8];    // H0..H7; SHA-1 uses H0..H4
    uint64_t bitCount;   // bits in the blocks compressed so far
    int64_t bufferFill;  // bytes held in buffer, 0..64: a last whole block waits for the final
    uint8_t buffer[64];
};

struct Sha64State {
    uint64_t hash[8];
    uint64_t bitCount;
    int64_t bufferFill;  // 0..128, as above
    uint8_t buffer[128];
};

void Sha1Init(Sha32State& state);
void Sha256Init(Sha32State& state);
void Sha384Init(Sha64State& state);
void Sha512Init(Sha64State& state);

// Variant 256 selects SHA-256, any other value SHA-1.
void Sha32Update(Sha32State& state, const uint8_t* data, uint16_t variant, int64_t length);
void Sha32Final(Sha32State& state, uint16_t variant, std::string& digest);
void Sha64Update(Sha64State& state, const uint8_t* data, int64_t length);
// Variant 384 prints six words, any other value eight.
void Sha64Final(Sha64State& state, uint16_t variant, std::string& digest);

// Compress `blocks` consecutive blocks into the chaining values.
void Sha1Transform(uint32_t* hash, const uint8_t* data, size_t blocks);
void Sha256Transform(uint32_t* hash, const uint8_t* data, size_t blocks);
void Sha512Transform(uint64_t* hash, const uint8_t* data, size_t blocks);

// SHA-1 and SHA-256 of many messages side by side (HashBatch).
struct LaneFamily;
const LaneFamily& Sha1Lanes();
const LaneFamily& Sha256Lanes();
