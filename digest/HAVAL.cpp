#include "HAVAL.h"

#include <cstring>
#include <utility>

#include "Blocks.h"
#include "Cpu.h"
#include "Hex.h"
#include "Words.h"

namespace quorvix::digest {
namespace {

// The first eight words of the fraction of pi.
constexpr uint32_t kInitial[8] = {0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344,
                                  0xa4093822, 0x299f31d0, 0x082efa98, 0xec4e6c89};

// Round constants of passes 2..5: the next 128 words of the fraction of pi.
constexpr uint32_t kRoundConstants[4][32] = {
    {0x452821e6, 0x38d01377, 0xbe5466cf, 0x34e90c6c, 0xc0ac29b7, 0xc97c50dd, 0x3f84d5b5, 0xb5470917,
     0x9216d5d9, 0x8979fb1b, 0xd1310ba6, 0x98dfb5ac, 0x2ffd72db, 0xd01adfb7, 0xb8e1afed, 0x6a267e96,
     0xba7c9045, 0xf12c7f99, 0x24a19947, 0xb3916cf7, 0x0801f2e2, 0x858efc16, 0x636920d8, 0x71574e69,
     0xa458fea3, 0xf4933d7e, 0x0d95748f, 0x728eb658, 0x718bcd58, 0x82154aee, 0x7b54a41d, 0xc25a59b5},
    {0x9c30d539, 0x2af26013, 0xc5d1b023, 0x286085f0, 0xca417918, 0xb8db38ef, 0x8e79dcb0, 0x603a180e,
     0x6c9e0e8b, 0xb01e8a3e, 0xd71577c1, 0xbd314b27, 0x78af2fda, 0x55605c60, 0xe65525f3, 0xaa55ab94,
     0x57489862, 0x63e81440, 0x55ca396a, 0x2aab10b6, 0xb4cc5c34, 0x1141e8ce, 0xa15486af, 0x7c72e993,
     0xb3ee1411, 0x636fbc2a, 0x2ba9c55d, 0x741831f6, 0xce5c3e16, 0x9b87931e, 0xafd6ba33, 0x6c24cf5c},
    {0x7a325381, 0x28958677, 0x3b8f4898, 0x6b4bb9af, 0xc4bfe81b, 0x66282193, 0x61d809cc, 0xfb21a991,
     0x487cac60, 0x5dec8032, 0xef845d5d, 0xe98575b1, 0xdc262302, 0xeb651b88, 0x23893e81, 0xd396acc5,
     0x0f6d6ff3, 0x83f44239, 0x2e0b4482, 0xa4842004, 0x69c8f04a, 0x9e1f9b5e, 0x21c66842, 0xf6e96c9a,
     0x670c9c61, 0xabd388f0, 0x6a51a0d2, 0xd8542f68, 0x960fa728, 0xab5133a3, 0x6eef0b6c, 0x137a3be4},
    // The published table ends 0xc1a94fb6, 0x409f60c4.
    {0xba3bf050, 0x7efb2a98, 0xa1f1651d, 0x39af0176, 0x66ca593e, 0x82430e88, 0x8cee8619, 0x456f9fb4,
     0x7d84a5c3, 0x3b8b5ebe, 0xe06f75d8, 0x85c12073, 0x401a449f, 0x56c16aa6, 0x4ed3aa62, 0x363f7706,
     0x1bfedf72, 0x429b023d, 0x37d0d724, 0xd00a1248, 0xdb0fead3, 0x49f1c09b, 0x075372c9, 0x80991b7b,
     0x25d479d8, 0xf6e8def7, 0xe3fe501a, 0xb6794c3b, 0x976ce0bd, 0x04c006ba, 0xc1a94fb6, 0x409f60c4},
};

// Message word order of each pass.
constexpr uint8_t kWordOrder[5][32] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31},
    {5, 14, 26, 18, 11, 28, 7, 16, 0, 23, 20, 22, 1, 10, 4, 8, 30, 3, 21, 9, 17, 24, 29, 6, 19, 12, 15, 13, 2, 25, 31, 27},
    {19, 9, 4, 20, 28, 17, 8, 22, 29, 14, 25, 12, 24, 30, 16, 26, 31, 15, 7, 3, 1, 0, 18, 27, 13, 6, 21, 10, 23, 11, 5, 2},
    {24, 4, 0, 14, 2, 7, 28, 23, 26, 6, 30, 20, 18, 25, 19, 3, 22, 11, 31, 21, 8, 27, 12, 9, 1, 29, 5, 15, 17, 10, 16, 13},
    {27, 3, 21, 26, 17, 11, 20, 29, 19, 0, 12, 7, 13, 8, 31, 10, 5, 9, 14, 30, 18, 6, 28, 24, 2, 23, 16, 22, 4, 1, 25, 15},
};

// Input permutations phi: for (pass count, pass), which step input x0..x6 goes into
// each argument position x6..x0 of the pass's Boolean function.
constexpr uint8_t kPhi[3][5][7] = {
    {{1, 0, 3, 5, 6, 2, 4}, {4, 2, 1, 0, 5, 3, 6}, {6, 1, 2, 3, 4, 5, 0}},
    {{2, 6, 1, 4, 5, 3, 0}, {3, 5, 2, 0, 1, 6, 4}, {1, 4, 3, 6, 0, 2, 5}, {6, 4, 0, 5, 2, 1, 3}},
    {{3, 4, 1, 0, 5, 2, 6}, {6, 2, 1, 0, 3, 4, 5}, {2, 6, 0, 4, 3, 1, 5}, {1, 5, 3, 2, 0, 4, 6}, {2, 5, 0, 6, 4, 3, 1}},
};

// The Boolean functions F1..F5 in the factored forms of the reference implementation.
template <int Pass>
__attribute__((always_inline)) inline uint32_t F(uint32_t x6, uint32_t x5, uint32_t x4, uint32_t x3, uint32_t x2, uint32_t x1, uint32_t x0) {
    if constexpr (Pass == 1) return (x1 & (x0 ^ x4)) ^ (x2 & x5) ^ (x3 & x6) ^ x0;
    if constexpr (Pass == 2)
        return (x2 & ((x1 & ~x3) ^ (x4 & x5) ^ x6 ^ x0)) ^ (x4 & (x1 ^ x5)) ^ (x3 & x5) ^ x0;
    if constexpr (Pass == 3) return (x3 & ((x1 & x2) ^ x6 ^ x0)) ^ (x1 & x4) ^ (x2 & x5) ^ x0;
    if constexpr (Pass == 4)
        return (x4 & ((x5 & ~x2) ^ (x3 & ~x6) ^ x1 ^ x6 ^ x0)) ^ (x3 & ((x1 & x2) ^ x5 ^ x6)) ^ (x2 & x6) ^ x0;
    if constexpr (Pass == 5) return (x0 & ((x1 & x2 & x3) ^ ~x5)) ^ (x1 & x4) ^ (x2 & x5) ^ (x3 & x6);
}

template <int Pass>
__attribute__((always_inline)) inline uint32_t FArray(const uint32_t (&a)[7]) {
    return F<Pass>(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
}

// Step Step of pass Pass: x_k = t[(k - Step) mod 8], and x7 is updated from x6..x0.
// x0 is the word the previous step wrote, so F is split on it: F = F0 ^ (x0 & F'),
// where F0 and F' (F with x0 cleared, and its change when x0 is set) do not wait for
// x0; the step then waits for x0 through just two operations.
template <int Passes, int Pass, int Step>
__attribute__((always_inline)) inline void HavalStep(uint32_t (&t)[8], const uint32_t (&w)[32]) {
    constexpr auto x = [](int k) { return (k - Step + 64) & 7; };
    constexpr const uint8_t* phi = kPhi[Passes - 3][Pass - 1];
    constexpr int newest = [] {
        for (int q = 0; q < 7; ++q)
            if (kPhi[Passes - 3][Pass - 1][q] == 0) return q;
        return 0;
    }();
    uint32_t a[7] = {t[x(phi[0])], t[x(phi[1])], t[x(phi[2])], t[x(phi[3])], t[x(phi[4])], t[x(phi[5])], t[x(phi[6])]};
    const uint32_t latest = a[newest];
    uint32_t f;
    // a[0..6] are F's arguments x6..x0. Where the compiler cannot see that the two
    // halves share terms, the split is written out (3 passes, passes 2 and 3).
    if constexpr (Passes == 3 && Pass == 2) {
        static_assert(newest == 3);  // F2's x3
        const uint32_t x6 = a[0], x5 = a[1], x4 = a[2], x2 = a[4], x1 = a[5], x0 = a[6];
        const uint32_t cleared = (x2 & (x1 ^ (x4 & x5) ^ x6 ^ x0)) ^ (x4 & (x1 ^ x5)) ^ x0;
        f = cleared ^ (latest & ((x1 & x2) ^ x5));
    } else if constexpr (Passes == 3 && Pass == 3) {
        static_assert(newest == 6);  // F3's x0
        const uint32_t x6 = a[0], x5 = a[1], x4 = a[2], x3 = a[3], x2 = a[4], x1 = a[5];
        const uint32_t cleared = (x3 & ((x1 & x2) ^ x6)) ^ (x1 & x4) ^ (x2 & x5);
        f = cleared ^ (latest & ~x3);
    } else {
        a[newest] = 0;
        const uint32_t cleared = FArray<Pass>(a);
        a[newest] = ~0u;
        const uint32_t change = FArray<Pass>(a) ^ cleared;
        f = cleared ^ (latest & change);
    }
    constexpr uint32_t k = Pass == 1 ? 0 : kRoundConstants[Pass - 2][Step];
    t[x(7)] = RotR32(f, 7) + (RotR32(t[x(7)], 11) + w[kWordOrder[Pass - 1][Step]] + k);
}

template <int Passes, int Pass, size_t... Steps>
__attribute__((always_inline)) inline void HavalPass(uint32_t (&t)[8], const uint32_t (&w)[32], std::index_sequence<Steps...>) {
    (HavalStep<Passes, Pass, int(Steps)>(t, w), ...);
}

template <int Passes, size_t... Passes1>
__attribute__((always_inline)) inline void HavalCompress(uint32_t* hash, const uint8_t* block,
                                                         std::index_sequence<Passes1...>) {
    uint32_t w[32];
    for (int i = 0; i < 32; ++i) w[i] = LoadLE32(block + 4 * i);
    uint32_t t[8];
    std::memcpy(t, hash, sizeof t);
    (HavalPass<Passes, int(Passes1) + 1>(t, w, std::make_index_sequence<32>{}), ...);
    for (int i = 0; i < 8; ++i) hash[i] += t[i];
}

uint32_t ClampPasses(uint32_t passes) { return passes < 3 ? 3 : passes > 5 ? 5 : passes; }


}  // namespace

namespace {

template <int Passes>
void CompressPortable(uint32_t* hash, const uint8_t* block) {
    HavalCompress<Passes>(hash, block, std::make_index_sequence<Passes>{});
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUORVIX_X86 1
// The same steps with three-operand rotations (rorx) and and-not.
template <int Passes>
__attribute__((target("bmi,bmi2"))) void CompressBmi2(uint32_t* hash, const uint8_t* block) {
    HavalCompress<Passes>(hash, block, std::make_index_sequence<Passes>{});
}
#endif

}  // namespace

void HavalTransform(uint32_t* hash, const uint8_t* block, uint32_t passes) {
    passes = ClampPasses(passes);
#ifdef QUORVIX_X86
    if (Cpu().bmi2) {
        passes == 3 ? CompressBmi2<3>(hash, block) : passes == 4 ? CompressBmi2<4>(hash, block) : CompressBmi2<5>(hash, block);
        return;
    }
#endif
    passes == 3 ? CompressPortable<3>(hash, block) : passes == 4 ? CompressPortable<4>(hash, block) : CompressPortable<5>(hash, block);
}

void HavalInit(HavalState& state, uint32_t bits) {
    state.passes = 3;
    state.bits = bits;
    state.bitCount[0] = state.bitCount[1] = 0;
    std::memcpy(state.hash, kInitial, sizeof kInitial);
}

void HavalUpdate(HavalState& state, const uint8_t* data, uint32_t length) {
    const uint32_t passes = ClampPasses(state.passes);
    const uint32_t filled = (state.bitCount[0] >> 3) & 127;
    const uint32_t bits = length << 3;
    state.bitCount[0] += bits;
    if (state.bitCount[0] < bits) ++state.bitCount[1];
    state.bitCount[1] += length >> 29;

    if (filled + uint64_t(length) < 128) {
        std::memcpy(state.block + filled, data, length);
        return;
    }
    uint32_t i = 128 - filled;
    std::memcpy(state.block + filled, data, i);
    HavalTransform(state.hash, state.block, passes);
    for (; length - i >= 128; i += 128) HavalTransform(state.hash, data + i, passes);
    std::memcpy(state.block, data + i, length - i);
}

void HavalTailor(HavalState& state, uint16_t bits) {
    uint32_t* f = state.hash;
    switch (bits) {
        case 128:
            f[0] += RotR32((f[7] & 0x000000ff) | (f[6] & 0xff000000) | (f[5] & 0x00ff0000) | (f[4] & 0x0000ff00), 8);
            f[1] += RotR32((f[7] & 0x0000ff00) | (f[6] & 0x000000ff) | (f[5] & 0xff000000) | (f[4] & 0x00ff0000), 16);
            f[2] += RotR32((f[7] & 0x00ff0000) | (f[6] & 0x0000ff00) | (f[5] & 0x000000ff) | (f[4] & 0xff000000), 24);
            f[3] += (f[7] & 0xff000000) | (f[6] & 0x00ff0000) | (f[5] & 0x0000ff00) | (f[4] & 0x000000ff);
            break;
        case 160:
            f[0] += RotR32((f[7] & 0x3f) | (f[6] & 0xfe000000) | (f[5] & 0x01f80000), 19);
            f[1] += RotR32((f[7] & 0x00000fc0) | (f[6] & 0x3f) | (f[5] & 0xfe000000), 25);
            f[2] += (f[7] & 0x0007f000) | (f[6] & 0x00000fc0) | (f[5] & 0x3f);
            f[3] += ((f[7] & 0x01f80000) | (f[6] & 0x0007f000) | (f[5] & 0x00000fc0)) >> 6;
            f[4] += ((f[7] & 0xfe000000) | (f[6] & 0x01f80000) | (f[5] & 0x0007f000)) >> 12;
            break;
        case 192:
            f[0] += RotR32((f[7] & 0x1f) | (f[6] & 0xfc000000), 26);
            f[1] += (f[7] & 0x000003e0) | (f[6] & 0x1f);
            f[2] += ((f[7] & 0x0000fc00) | (f[6] & 0x000003e0)) >> 5;
            f[3] += ((f[7] & 0x001f0000) | (f[6] & 0x0000fc00)) >> 10;
            f[4] += ((f[7] & 0x03e00000) | (f[6] & 0x001f0000)) >> 16;
            f[5] += ((f[7] & 0xfc000000) | (f[6] & 0x03e00000)) >> 21;
            break;
        case 224:
            f[0] += (f[7] >> 27) & 0x1f;
            f[1] += (f[7] >> 22) & 0x1f;
            f[2] += (f[7] >> 18) & 0x0f;
            f[3] += (f[7] >> 13) & 0x1f;
            f[4] += (f[7] >> 9) & 0x0f;
            f[5] += (f[7] >> 4) & 0x1f;
            f[6] += f[7] & 0x0f;
            break;
        default:
            break;
    }
}

void HavalEnd(HavalState& state, uint8_t* digest, uint16_t bits, uint32_t passes) {
    passes = ClampPasses(passes);
    uint8_t trailer[10];
    trailer[0] = uint8_t(((bits & 3) << 6) | ((passes & 7) << 3) | 1);
    trailer[1] = uint8_t(bits >> 2);
    StoreLE32(trailer + 2, state.bitCount[0]);
    StoreLE32(trailer + 6, state.bitCount[1]);

    // The tail, the padding and the trailer laid out in one or two blocks.
    const uint32_t filled = (state.bitCount[0] >> 3) & 127;
    alignas(64) uint8_t last[256];
    const size_t blocks = LayOutTail<128>(last, state.block, filled, 0x80, sizeof trailer);
    std::memcpy(last + blocks * 128 - sizeof trailer, trailer, sizeof trailer);
    for (size_t i = 0; i < blocks; ++i) HavalTransform(state.hash, last + 128 * i, passes);
    HavalTailor(state, bits);
    for (int i = 0; i < bits / 32; ++i) StoreLE32(digest + 4 * i, state.hash[i]);
    Wipe(state);
}

void HavalFinal(HavalState& state, std::string& digest) {
    const uint16_t bits = uint16_t(state.bits);
    uint8_t bytes[32];
    HavalEnd(state, bytes, bits, state.passes);
    WriteHexBytes(digest, bytes, bits / 8u);
}

}  // namespace quorvix::digest
