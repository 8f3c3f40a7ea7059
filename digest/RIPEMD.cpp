#include "RIPEMD.h"

#include <cstring>
#include <utility>

#include "Blocks.h"
#include "Cpu.h"
#include "Hex.h"
#include "Words.h"

namespace quorvix::digest {
namespace {

// Word selection and rotation of the left and right lines, steps 0..79.
constexpr uint8_t kRLeft[80] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
    7, 4, 13, 1, 10, 6, 15, 3, 12, 0, 9, 5, 2, 14, 11, 8,
    3, 10, 14, 4, 9, 15, 8, 1, 2, 7, 0, 6, 13, 11, 5, 12,
    1, 9, 11, 10, 0, 8, 12, 4, 13, 3, 7, 15, 14, 5, 6, 2,
    4, 0, 5, 9, 7, 12, 2, 10, 14, 1, 3, 8, 11, 6, 15, 13};
constexpr uint8_t kRRight[80] = {
    5, 14, 7, 0, 9, 2, 11, 4, 13, 6, 15, 8, 1, 10, 3, 12,
    6, 11, 3, 7, 0, 13, 5, 10, 14, 15, 8, 12, 4, 9, 1, 2,
    15, 5, 1, 3, 7, 14, 6, 9, 11, 8, 12, 2, 10, 0, 4, 13,
    8, 6, 4, 1, 3, 11, 15, 0, 5, 12, 2, 13, 9, 7, 10, 14,
    12, 15, 10, 4, 1, 5, 8, 7, 6, 2, 13, 14, 0, 3, 9, 11};
constexpr uint8_t kSLeft[80] = {
    11, 14, 15, 12, 5, 8, 7, 9, 11, 13, 14, 15, 6, 7, 9, 8,
    7, 6, 8, 13, 11, 9, 7, 15, 7, 12, 15, 9, 11, 7, 13, 12,
    11, 13, 6, 7, 14, 9, 13, 15, 14, 8, 13, 6, 5, 12, 7, 5,
    11, 12, 14, 15, 14, 15, 9, 8, 9, 14, 5, 6, 8, 6, 5, 12,
    9, 15, 5, 11, 6, 8, 13, 12, 5, 12, 13, 14, 11, 8, 5, 6};
constexpr uint8_t kSRight[80] = {
    8, 9, 9, 11, 13, 15, 15, 5, 7, 7, 8, 11, 14, 14, 12, 6,
    9, 13, 15, 7, 12, 8, 9, 11, 7, 7, 12, 7, 6, 15, 13, 11,
    9, 7, 15, 11, 8, 6, 6, 14, 12, 13, 5, 14, 13, 13, 7, 5,
    15, 5, 8, 11, 14, 14, 6, 14, 6, 9, 12, 9, 12, 5, 15, 8,
    8, 5, 12, 9, 12, 5, 14, 6, 8, 13, 6, 5, 15, 13, 11, 11};

constexpr uint32_t kInitial[5] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
constexpr uint32_t kKLeft[5] = {0x00000000, 0x5a827999, 0x6ed9eba1, 0x8f1bbcdc, 0xa953fd4e};
constexpr uint32_t kKRight160[5] = {0x50a28be6, 0x5c4dd124, 0x6d703ef3, 0x7a6d76e9, 0x00000000};
constexpr uint32_t kKRight128[4] = {0x50a28be6, 0x5c4dd124, 0x6d703ef3, 0x00000000};

template <int Fn>
__attribute__((always_inline)) inline uint32_t f(uint32_t x, uint32_t y, uint32_t z) {
    if constexpr (Fn == 1) return x ^ y ^ z;
    if constexpr (Fn == 2) return z ^ (x & (y ^ z));  // (x & y) | (~x & z)
    if constexpr (Fn == 3) return (x | ~y) ^ z;
    if constexpr (Fn == 4) return (x & z) | (y & ~z);  // x, the newest word, two operations deep
    if constexpr (Fn == 5) return x ^ (y | ~z);
}

// One step of a line. Words is the number of chaining words (4 or 5); the roles
// A, B, C, D(, E) move one slot per step, so slot (role - step) mod Words holds a role.
template <int Words, bool Left, int Step>
__attribute__((always_inline)) inline void LineStep(uint32_t (&v)[5], const uint32_t* x) {
    constexpr int round = Step / 16;
    constexpr int fn = Left ? round + 1 : Words - round;
    constexpr auto slot = [](int role) { return (role - Step % Words + Words) % Words; };
    constexpr uint32_t k = Left ? kKLeft[round] : Words == 5 ? kKRight160[round] : kKRight128[round];
    constexpr int word = Left ? kRLeft[Step] : kRRight[Step];
    constexpr int shift = Left ? kSLeft[Step] : kSRight[Step];
    uint32_t& a = v[slot(0)];
    const uint32_t b = v[slot(1)], c = v[slot(2)], d = v[slot(3)];
    if constexpr (Words == 5) {
        a = RotL32(a + (x[word] + k) + f<fn>(b, c, d), shift) + v[slot(4)];
        v[slot(2)] = RotL32(c, 10);
    } else {
        a = RotL32(a + (x[word] + k) + f<fn>(b, c, d), shift);
    }
}

// Both lines step by step side by side: they are independent, so the processor can
// overlap them.
template <int Words, size_t... Steps>
__attribute__((always_inline)) inline void Lines(uint32_t (&left)[5], uint32_t (&right)[5], const uint32_t* x, std::index_sequence<Steps...>) {
    ((LineStep<Words, true, int(Steps)>(left, x), LineStep<Words, false, int(Steps)>(right, x)), ...);
}

void LoadBlock(const uint8_t* bytes, uint32_t* block) {
    for (int i = 0; i < 16; ++i) block[i] = LoadLE32(bytes + 4 * i);
}

__attribute__((always_inline)) inline void Compress128(uint32_t* hash, const uint32_t* block) {
    uint32_t l[5] = {hash[0], hash[1], hash[2], hash[3]};
    uint32_t r[5] = {hash[0], hash[1], hash[2], hash[3]};
    Lines<4>(l, r, block, std::make_index_sequence<64>{});
    const uint32_t t = hash[1] + l[2] + r[3];
    hash[1] = hash[2] + l[3] + r[0];
    hash[2] = hash[3] + l[0] + r[1];
    hash[3] = hash[0] + l[1] + r[2];
    hash[0] = t;
}

__attribute__((always_inline)) inline void Compress160(uint32_t* hash, const uint32_t* block) {
    uint32_t l[5] = {hash[0], hash[1], hash[2], hash[3], hash[4]};
    uint32_t r[5] = {hash[0], hash[1], hash[2], hash[3], hash[4]};
    Lines<5>(l, r, block, std::make_index_sequence<80>{});
    const uint32_t t = hash[1] + l[2] + r[3];
    hash[1] = hash[2] + l[3] + r[4];
    hash[2] = hash[3] + l[4] + r[0];
    hash[3] = hash[4] + l[0] + r[1];
    hash[4] = hash[0] + l[1] + r[2];
    hash[0] = t;
}

}  // namespace

void Ripemd128Transform(uint32_t* hash, const uint32_t* block) { Compress128(hash, block); }
void Ripemd160Transform(uint32_t* hash, const uint32_t* block) { Compress160(hash, block); }

namespace {

// Whole blocks straight from the caller's data, each through one out-of-line
// compression (the compiler schedules a single compression best on its own).
template <void (*CompressOne)(uint32_t*, const uint32_t*)>
void CompressBlocks(uint32_t* hash, const uint8_t* data, size_t blocks) {
    uint32_t block[16];
    for (; blocks > 0; --blocks, data += 64) {
        LoadBlock(data, block);
        CompressOne(hash, block);
    }
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUORVIX_X86 1
// The compressions again with and-not (BMI1), which f2 and f4 use.
__attribute__((target("bmi"))) void Compress128Bmi(uint32_t* hash, const uint32_t* block) { Compress128(hash, block); }
__attribute__((target("bmi"))) void Compress160Bmi(uint32_t* hash, const uint32_t* block) { Compress160(hash, block); }
#endif

void Compress(uint32_t* hash, const uint8_t* data, size_t blocks, uint16_t variant) {
#ifdef QUORVIX_X86
    if (Cpu().bmi1)
        return variant == 160 ? CompressBlocks<Compress160Bmi>(hash, data, blocks)
                              : CompressBlocks<Compress128Bmi>(hash, data, blocks);
#endif
    variant == 160 ? CompressBlocks<Ripemd160Transform>(hash, data, blocks)
                   : CompressBlocks<Ripemd128Transform>(hash, data, blocks);
}

}  // namespace

void RipemdInit(RipemdState& state, uint32_t variant) {
    state.variant = variant == 160 ? 160 : 128;
    std::memcpy(state.hash, kInitial, state.variant == 160 ? sizeof kInitial : 4 * sizeof(uint32_t));
    state.byteCount = 0;
    state.bufferFill = 0;
}

void RipemdUpdate(RipemdState& state, const uint8_t* data, uint32_t length) {
    const uint16_t variant = uint16_t(state.variant);
    AbsorbBlocks<64>(state.buffer, state.bufferFill, data, length, [&](const uint8_t* blocks, size_t count) {
        Compress(state.hash, blocks, count, variant);
        state.byteCount += 64 * uint64_t(count);
    });
}

void RipemdPad(uint32_t* hash, const uint8_t* buffered, uint32_t lowCount, uint32_t highCount, uint16_t variant) {
    uint32_t block[16] = {};
    const uint32_t tail = lowCount & 63;
    for (uint32_t i = 0; i < tail; ++i) block[i >> 2] ^= uint32_t(buffered[i]) << (8 * (i & 3));
    block[(lowCount >> 2) & 15] ^= uint32_t(1) << (8 * (lowCount & 3) + 7);
    auto compress = [hash, variant](const uint32_t* words) {
        variant == 160 ? Ripemd160Transform(hash, words) : Ripemd128Transform(hash, words);
    };
    if (tail > 55) {
        compress(block);
        std::memset(block, 0, sizeof block);
    }
    block[14] = lowCount << 3;
    block[15] = (lowCount >> 29) | (highCount << 3);
    compress(block);
}

void RipemdFinal(RipemdState& state, std::string& digest) {
    const uint16_t variant = uint16_t(state.variant);
    state.byteCount += state.bufferFill;
    RipemdPad(state.hash, state.buffer, uint32_t(state.byteCount), uint32_t(state.byteCount >> 32), variant);
    WriteHexWords32(digest, state.hash, variant == 160 ? 5 : 4, false);
}

}  // namespace quorvix::digest
