// Rotations, byte swaps, and words loaded and stored in a fixed byte order.
#pragma once

#include <cstdint>

namespace quorvix::digest {

constexpr uint32_t RotL32(uint32_t word, uint8_t count) {
    count &= 31;
    return count ? (word << count) | (word >> (32 - count)) : word;
}
constexpr uint32_t RotR32(uint32_t word, uint8_t count) {
    count &= 31;
    return count ? (word >> count) | (word << (32 - count)) : word;
}
constexpr uint64_t RotR64(uint64_t word, uint8_t count) {
    count &= 63;
    return count ? (word >> count) | (word << (64 - count)) : word;
}
constexpr uint32_t Swap32(uint32_t word) {
    return (word >> 24) | ((word >> 8) & 0xff00u) | ((word << 8) & 0xff0000u) | (word << 24);
}
constexpr uint64_t Swap64(uint64_t word) {
    return (uint64_t(Swap32(uint32_t(word))) << 32) | Swap32(uint32_t(word >> 32));
}

// Loads and stores of words in a fixed byte order from unaligned memory; the
// compiler turns each into a single move (plus bswap) on x86-64.
inline uint32_t LoadLE32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint32_t LoadBE32(const uint8_t* p) {
    return uint32_t(p[3]) | uint32_t(p[2]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[0]) << 24;
}
inline uint64_t LoadLE64(const uint8_t* p) {
    return uint64_t(LoadLE32(p)) | uint64_t(LoadLE32(p + 4)) << 32;
}
inline uint64_t LoadBE64(const uint8_t* p) {
    return uint64_t(LoadBE32(p)) << 32 | LoadBE32(p + 4);
}
inline void StoreLE32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); p[2] = uint8_t(v >> 16); p[3] = uint8_t(v >> 24);
}
inline void StoreLE64(uint8_t* p, uint64_t v) {
    StoreLE32(p, uint32_t(v));
    StoreLE32(p + 4, uint32_t(v >> 32));
}
inline void StoreBE32(uint8_t* p, uint32_t v) { StoreLE32(p, Swap32(v)); }
inline void StoreBE64(uint8_t* p, uint64_t v) { StoreLE64(p, Swap64(v)); }

}  // namespace quorvix::digest
