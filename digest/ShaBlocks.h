// What SHA-1, SHA-256 and SHA-384/512 share: the states, the buffering of whole
// blocks, and the padding with its big-endian bit count (FIPS 180-2, 5.1).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Blocks.h"
#include "Words.h"

namespace quorvix::digest {

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
    uint32_t digestWords;  // 6 for SHA-384, 8 for SHA-512
};

namespace sha {

inline uint32_t Ch(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
[[maybe_unused]] inline uint32_t Maj(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (z & (x | y)); }
inline uint64_t Ch(uint64_t x, uint64_t y, uint64_t z) { return z ^ (x & (y ^ z)); }
[[maybe_unused]] inline uint64_t Maj(uint64_t x, uint64_t y, uint64_t z) { return (x & y) | (z & (x | y)); }

// The eight working variables of round T, the roles turned T times instead of the
// values moved: a is v[-T mod 8], b the next, and so on.
template <typename Word>
struct Roles {
    Word &a, &b, &c, &d, &e, &f, &g, &h;
};
template <int T, typename Word>
__attribute__((always_inline)) inline Roles<Word> RolesOf(Word (&v)[8]) {
    constexpr int at = (8 - T % 8) % 8;
    return {v[at], v[(at + 1) % 8], v[(at + 2) % 8], v[(at + 3) % 8],
            v[(at + 4) % 8], v[(at + 5) % 8], v[(at + 6) % 8], v[(at + 7) % 8]};
}

// Adds a block's working variables back into the chaining values, in order.
template <typename Word, typename... Words>
inline void AddToChain(Word* hash, Words... words) {
    size_t i = 0;
    ((hash[i++] += words), ...);
}

template <typename State, typename Word, size_t N>
inline void Start(State& state, const Word (&initial)[N]) {
    std::memcpy(state.hash, initial, sizeof initial);
    state.bitCount = 0;
    state.bufferFill = 0;
}

// The buffering of all four functions; each compressed block adds its bits to the count.
template <typename State, typename TransformFn>
inline void Absorb(State& state, const uint8_t* data, uint32_t length, TransformFn transform) {
    constexpr size_t kBlock = sizeof state.buffer;
    if (length == 0) return;
    AbsorbBlocks<kBlock, true>(state.buffer, state.bufferFill, data, uint64_t(length), [&](const uint8_t* blocks, size_t count) {
        transform(state.hash, blocks, count);
        state.bitCount += uint64_t(count) * kBlock * 8;
    });
}

// Pads the buffered tail (up to a whole block) with 0x80, zeros and the bit length, and
// compresses the one or two last blocks in a single call. The length field takes the
// last lengthBytes bytes, of which all but the final eight are zero.
template <typename State, typename TransformFn>
inline void Pad(State& state, size_t lengthBytes, TransformFn transform) {
    constexpr size_t kBlock = sizeof state.buffer;
    const size_t fill = size_t(state.bufferFill);
    state.bitCount += uint64_t(fill) * 8;
    alignas(64) uint8_t last[2 * kBlock];
    const size_t blocks = LayOutTail<kBlock>(last, state.buffer, fill, 0x80, lengthBytes);
    StoreBE64(last + blocks * kBlock - 8, state.bitCount);
    transform(state.hash, last, blocks);
    state.bufferFill = 0;
}

}  // namespace sha
}  // namespace quorvix::digest
