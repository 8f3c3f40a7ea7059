// SHA-256 (FIPS 180-2), with the SHA extensions and in vector lanes where the processor
// has them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ShaBlocks.h"

namespace quorvix::digest {

template <typename Word>
struct LaneFamily;

void Sha256Init(Sha32State& state, uint32_t variant);
void Sha256Update(Sha32State& state, const uint8_t* data, uint32_t length);
void Sha256Final(Sha32State& state, std::string& digest);

// Compresses `blocks` consecutive blocks into the chaining values.
void Sha256Transform(uint32_t* hash, const uint8_t* data, size_t blocks);

// Many messages side by side (HashBatch).
const LaneFamily<uint32_t>& Sha256Lanes();

}  // namespace quorvix::digest
