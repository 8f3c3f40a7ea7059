// Word and byte helpers shared by every algorithm unit.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

// The lowest 4 × count bits of value as fixed-width lowercase hex, most significant first.
std::string HexDigits(uint64_t value, uint8_t count);
// Appends each byte as two lowercase hex digits.
void AppendHexBytes(std::string& text, const uint8_t* bytes, size_t count);
// Appends the bytes of `count` words, each least or most significant byte first. The
// words are read as words: a final's chaining values go to the digits without a trip
// through a byte array.
void AppendHexWords32(std::string& text, const uint32_t* words, size_t count, bool bigEndian);
void AppendHexWords64(std::string& text, const uint64_t* words, size_t count, bool bigEndian);

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

// Processor features that the faster code paths need, detected once. On other
// architectures, or when the portable code is forced, all are false.
struct CpuFeatures {
    bool avx2 = false;
    bool bmi1 = false;        // and-not
    bool bmi2 = false;        // three-operand shifts and rotations
    bool avx512 = false;      // F, BW and VL
    bool sha = false;         // SHA-1 and SHA-256 instructions
    bool pclmul = false;      // carry-less multiply on 128 bits
    bool vpclmul = false;     // carry-less multiply on 512 bits
};
namespace detail {
extern const CpuFeatures* currentCpu;
}
inline const CpuFeatures& Cpu() { return *detail::currentCpu; }
// For tests: run the portable code only (true) or the best the processor allows.
void HashForcePortable(bool portable);

// Code in the older SSE encoding runs slowly while another library's AVX code has left
// the upper halves of the vector registers in use; the SSE paths clear them on entry.
void ClearUpperVectorState();

// Feeds bytes through a block buffer: completes a partial block first, then hands
// whole blocks to `compress(blocks, count)` straight from the caller's data, and keeps
// the tail. `fill` is the number of bytes the buffer holds (0 .. Block - 1 between calls).
// With KeepLast, input that ends on a block boundary leaves its last block in the
// buffer (fill == Block), so that the final can compress it together with the padding.
template <size_t Block, bool KeepLast = false, typename Fill, typename Compress>
void AbsorbBlocks(uint8_t* buffer, Fill& fill, const uint8_t* data, uint64_t length, Compress&& compress) {
    if (length == 0) return;
    if (fill > 0) {
        const uint64_t take = length < Block - uint64_t(fill) ? length : Block - uint64_t(fill);
        std::memcpy(buffer + fill, data, size_t(take));
        fill = Fill(fill + take);
        data += take;
        length -= take;
        if (uint64_t(fill) < Block) return;
        compress(buffer, size_t(1));
        fill = 0;
    }
    uint64_t blocks = length / Block;
    if (KeepLast && blocks > 0 && length % Block == 0) --blocks;
    if (blocks > 0) compress(data, size_t(blocks));
    std::memcpy(buffer, data + blocks * Block, size_t(length - blocks * Block));
    fill = Fill(length - blocks * Block);
}
