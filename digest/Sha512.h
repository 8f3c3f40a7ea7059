// SHA-384 and SHA-512 (FIPS 180-2): one compression, two initial values and lengths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ShaBlocks.h"

namespace quorvix::digest {

template <typename Word>
struct LaneFamily;

// Variant 384 is SHA-384, any other value SHA-512.
void Sha512Init(Sha64State& state, uint32_t variant);
void Sha512Update(Sha64State& state, const uint8_t* data, uint32_t length);
void Sha512Final(Sha64State& state, std::string& digest);

void Sha512Transform(uint64_t* hash, const uint8_t* data, size_t blocks);

// Many messages side by side (HashBatch).
const LaneFamily<uint64_t>& Sha384Lanes();
const LaneFamily<uint64_t>& Sha512Lanes();

}  // namespace quorvix::digest
