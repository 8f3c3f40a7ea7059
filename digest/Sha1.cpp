#include "Sha1.h"

#include <cstring>
#include <utility>

#include "Cpu.h"
#include "Hex.h"
#include "Lanes.h"
#include "ShaBlocks.h"

namespace quorvix::digest {

namespace {

using namespace sha;

// FIPS 180-2, section 5.3.1.
constexpr uint32_t kSha1Initial[5] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};

// SHA-1 without special instructions: every round written out (through index
// sequences), the working variables renamed from round to round instead of moved, and
// the message schedule a rolling window of 16 words (FIPS 180-4, 6.1.3, the alternate
// method's 16-word W).
template <int T>
__attribute__((always_inline)) inline uint32_t Sha1Word(uint32_t (&w)[16]) {
    if constexpr (T >= 16)
        w[T & 15] = RotL32(w[(T + 13) & 15] ^ w[(T + 8) & 15] ^ w[(T + 2) & 15] ^ w[T & 15], 1);
    return w[T & 15];
}

// Round T with the roles of the five variables turned T times: v[(0 - T) mod 5] is a.
template <int T>
__attribute__((always_inline)) inline void Sha1Round(uint32_t (&v)[5], uint32_t (&w)[16]) {
    uint32_t& a = v[(100 - T) % 5];
    uint32_t& b = v[(101 - T) % 5];
    uint32_t& c = v[(102 - T) % 5];
    uint32_t& d = v[(103 - T) % 5];
    uint32_t& e = v[(104 - T) % 5];
    uint32_t f;
    uint32_t k;
    if constexpr (T < 20) {
        f = Ch(b, c, d);
        k = 0x5a827999;
    } else if constexpr (T < 40) {
        f = b ^ c ^ d;
        k = 0x6ed9eba1;
    } else if constexpr (T < 60) {
        f = Maj(b, c, d);
        k = 0x8f1bbcdc;
    } else {
        f = b ^ c ^ d;
        k = 0xca62c1d6;
    }
    e += Sha1Word<T>(w) + k;  // independent of this round's a, b: can start early
    e += f;
    e += RotL32(a, 5);
    b = RotL32(b, 30);
}

template <size_t... T>
__attribute__((always_inline)) inline void Sha1Rounds(uint32_t (&v)[5], uint32_t (&w)[16], std::index_sequence<T...>) {
    (Sha1Round<int(T)>(v, w), ...);
}

void Sha1Portable(uint32_t* hash, const uint8_t* data, size_t blocks) {
    for (; blocks > 0; --blocks, data += 64) {
        uint32_t w[16];
        for (int t = 0; t < 16; ++t) w[t] = LoadBE32(data + 4 * t);
        uint32_t v[5] = {hash[0], hash[1], hash[2], hash[3], hash[4]};
        Sha1Rounds(v, w, std::make_index_sequence<80>{});
        // After 80 rounds the roles have turned full circle 16 times: v is a .. e again.
        AddToChain(hash, v[0], v[1], v[2], v[3], v[4]);
    }
}

#ifdef QUORVIX_X86
// SHA-1 with the SHA extensions: four rounds per instruction, the message schedule in
// sha1msg1/sha1msg2. Quad i works on message words 4i..4i+3 held in w[i % 4].
template <int I>
__attribute__((target("sha,sse4.1"))) inline void Sha1Quad(__m128i& abcd, __m128i& e0, __m128i& e1, __m128i (&w)[4],
                                                           const uint8_t* data, __m128i mask) {
    __m128i& e = I % 2 == 0 ? e0 : e1;
    __m128i& other = I % 2 == 0 ? e1 : e0;
    if constexpr (I < 4) w[I] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * I)), mask);
    if constexpr (I == 0)
        e = _mm_add_epi32(e, w[0]);
    else
        e = _mm_sha1nexte_epu32(e, w[I % 4]);
    other = abcd;
    if constexpr (I >= 3 && I <= 18) w[(I + 1) % 4] = _mm_sha1msg2_epu32(w[(I + 1) % 4], w[I % 4]);
    abcd = _mm_sha1rnds4_epu32(abcd, e, I / 5);
    if constexpr (I >= 1 && I <= 16) w[(I - 1) % 4] = _mm_sha1msg1_epu32(w[(I - 1) % 4], w[I % 4]);
    if constexpr (I >= 2 && I <= 17) w[(I - 2) % 4] = _mm_xor_si128(w[(I - 2) % 4], w[I % 4]);
}

template <size_t... I>
__attribute__((target("sha,sse4.1"))) inline void Sha1Quads(__m128i& abcd, __m128i& e0, __m128i& e1,
                                                            __m128i (&w)[4], const uint8_t* data, __m128i mask,
                                                            std::index_sequence<I...>) {
    (Sha1Quad<int(I)>(abcd, e0, e1, w, data, mask), ...);
}

// The chaining values as the SHA-1 instructions hold them: A..D reversed in one
// register, E in the top lane of another. Both paths load and store them alike; the
// load returns the mask that puts message words in the same order.
inline __m128i LoadSha1State(const uint32_t* hash, __m128i& abcd, __m128i& e) {
    ClearUpperVectorState();
    abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(hash)), 0x1b);
    e = _mm_set_epi32(int(hash[4]), 0, 0, 0);
    return _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
}

inline void StoreSha1State(uint32_t* hash, __m128i abcd, __m128i e) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(hash), _mm_shuffle_epi32(abcd, 0x1b));
    hash[4] = uint32_t(_mm_cvtsi128_si32(_mm_shuffle_epi32(e, 3)));
}

__attribute__((target("sha,sse4.1"))) void Sha1Hardware(uint32_t* hash, const uint8_t* data, size_t blocks) {
    __m128i abcd, e0;
    const __m128i mask = LoadSha1State(hash, abcd, e0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abcdSaved = abcd, eSaved = e0;
        __m128i e1, w[4];
        Sha1Quads(abcd, e0, e1, w, data, mask, std::make_index_sequence<20>{});
        e0 = _mm_sha1nexte_epu32(e0, eSaved);
        abcd = _mm_add_epi32(abcd, abcdSaved);
    }
    StoreSha1State(hash, abcd, e0);
}

// SHA-1 with the SHA extensions for the rounds only. sha1rnds4 keeps the SHA unit busy
// three of its four cycles, and sha1msg2 and sha1nexte queue behind it on the same unit,
// stretching each group of four rounds to about six cycles. With AVX-512 the message
// schedule is made of rotations and three-way XORs instead, and sha1nexte (rotate the
// old a by 30, add it to the top word) of a rotation and a masked add, which leaves the
// unit to the rounds: about four and a half cycles per group. Only on such cores: where
// the instructions have units of their own (AMD's), the plain ones are faster.
#define SHA1_AVX512_TARGET __attribute__((target("sha,sse4.1,avx512f,avx512vl")))

// Message vector j (words 4j..4j+3, the first in the top lane) into x[j % 8].
template <int J>
SHA1_AVX512_TARGET inline void Sha1Schedule(__m128i (&x)[8]) {
    if constexpr (J < 8) {
        // W[t] = rol1(W[t-3] ^ W[t-8] ^ W[t-14] ^ W[t-16]). The bottom lane needs W[t] of
        // this same vector: it is computed without it, then given rol1(W[t]) = rol2(y3).
        const __m128i words14 = _mm_alignr_epi8(x[(J - 4) % 8], x[(J - 3) % 8], 8);
        const __m128i s = _mm_ternarylogic_epi32(x[(J - 4) % 8], words14, x[(J - 2) % 8], 0x96);
        const __m128i y = _mm_xor_si128(s, _mm_slli_si128(x[(J - 1) % 8], 4));
        x[J % 8] = _mm_xor_si128(_mm_rol_epi32(y, 1), _mm_rol_epi32(_mm_srli_si128(y, 12), 2));
    } else {
        // The recurrence applied to itself: W[t] = rol2(W[t-6] ^ W[t-16] ^ W[t-28] ^ W[t-32]),
        // where no word depends on another of its own vector.
        const __m128i older = _mm_ternarylogic_epi32(x[(J - 4) % 8], x[(J - 7) % 8], x[(J - 8) % 8], 0x96);
        const __m128i words6 = _mm_alignr_epi8(x[(J - 2) % 8], x[(J - 1) % 8], 8);
        x[J % 8] = _mm_rol_epi32(_mm_xor_si128(older, words6), 2);
    }
}

// sha1nexte(e, w): w with rol30 of e's top word added to its top word.
SHA1_AVX512_TARGET inline __m128i Sha1NextE(__m128i e, __m128i w) {
    return _mm_mask_add_epi32(w, 0x8, w, _mm_rol_epi32(e, 30));
}

template <int I>
SHA1_AVX512_TARGET inline void Sha1QuadAvx512(__m128i& abcd, __m128i& e0, __m128i& e1, __m128i (&x)[8]) {
    __m128i& e = I % 2 == 0 ? e0 : e1;
    __m128i& other = I % 2 == 0 ? e1 : e0;
    e = I == 0 ? _mm_add_epi32(e, x[0]) : Sha1NextE(e, x[I % 8]);
    other = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, e, I / 5);
    // One group ahead, so that the vector is ready when its rounds come.
    if constexpr (I >= 3 && I <= 18) Sha1Schedule<I + 1>(x);
}

template <size_t... I>
SHA1_AVX512_TARGET inline void Sha1QuadsAvx512(__m128i& abcd, __m128i& e0, __m128i& e1, __m128i (&x)[8],
                                               std::index_sequence<I...>) {
    (Sha1QuadAvx512<int(I)>(abcd, e0, e1, x), ...);
}

SHA1_AVX512_TARGET void Sha1HardwareAvx512(uint32_t* hash, const uint8_t* data, size_t blocks) {
    __m128i abcd, e0;
    const __m128i mask = LoadSha1State(hash, abcd, e0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abcdSaved = abcd, eSaved = e0;
        __m128i e1, x[8];
        for (int i = 0; i < 4; ++i)
            x[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i)), mask);
        Sha1QuadsAvx512(abcd, e0, e1, x, std::make_index_sequence<20>{});
        e0 = Sha1NextE(e0, eSaved);
        abcd = _mm_add_epi32(abcd, abcdSaved);
    }
    StoreSha1State(hash, abcd, e0);
}
#endif

}  // namespace

void Sha1Transform(uint32_t* hash, const uint8_t* data, size_t blocks) {
#ifdef QUORVIX_X86
    if (Cpu().sha && Cpu().avx512 && Cpu().sharedShaUnit) return Sha1HardwareAvx512(hash, data, blocks);
    if (Cpu().sha) return Sha1Hardware(hash, data, blocks);
#endif
    Sha1Portable(hash, data, blocks);
}

// --- Many messages in vector lanes ------------------------------------------------
// The rounds of the one-message code above, on vectors holding the same word of 8 or 16
// messages.

#ifdef QUORVIX_X86
#pragma GCC diagnostic ignored "-Wpsabi"  // see LaneRotL
namespace {

template <int T, typename V>
__attribute__((always_inline)) inline void Sha1LaneRound(V (&v)[5], V (&w)[16]) {
    V& a = v[(100 - T) % 5];
    V& b = v[(101 - T) % 5];
    V& c = v[(102 - T) % 5];
    V& d = v[(103 - T) % 5];
    V& e = v[(104 - T) % 5];
    if constexpr (T >= 16) w[T & 15] = LaneRotL<1>(w[(T + 13) & 15] ^ w[(T + 8) & 15] ^ w[(T + 2) & 15] ^ w[T & 15]);
    V f;
    uint32_t k;
    if constexpr (T < 20) {
        f = d ^ (b & (c ^ d));
        k = 0x5a827999;
    } else if constexpr (T < 40) {
        f = b ^ c ^ d;
        k = 0x6ed9eba1;
    } else if constexpr (T < 60) {
        f = (b & c) | (d & (b | c));
        k = 0x8f1bbcdc;
    } else {
        f = b ^ c ^ d;
        k = 0xca62c1d6;
    }
    e += (w[T & 15] + k) + f + LaneRotL<5>(a);
    b = LaneRotL<30>(b);
}

template <typename V, size_t... T>
__attribute__((always_inline)) inline void Sha1LaneBlock(V (&w)[16], V (&h)[5], std::index_sequence<T...>) {
    V v[5] = {h[0], h[1], h[2], h[3], h[4]};
    (Sha1LaneRound<int(T)>(v, w), ...);
    for (int i = 0; i < 5; ++i) h[i] += v[i];
}

__attribute__((target("avx2"))) void Sha1LanesAvx2(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 5, LoadLaneWords16Avx2<true>, Sha1LaneBlock(w, h, std::make_index_sequence<80>{}));
}
__attribute__((target("avx512f,avx512bw"))) void Sha1LanesAvx512(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 5, LoadLaneWords16Avx512<true>, Sha1LaneBlock(w, h, std::make_index_sequence<80>{}));
}

}  // namespace
#else
namespace {
constexpr LaneFn<uint32_t> Sha1LanesAvx2 = nullptr, Sha1LanesAvx512 = nullptr;
}  // namespace
#endif

const LaneFamily<uint32_t>& Sha1Lanes() {
    static constexpr LaneFamily<uint32_t> family{5, 5, true, kSha1Initial, Sha1Transform, Sha1LanesAvx2, kMaxLanes,
                                                 Sha1LanesAvx512, kMaxLanes, LanesBesideSha::WhereUnitShared};
    return family;
}

void Sha1Init(Sha32State& state, uint32_t) { Start(state, kSha1Initial); }

void Sha1Update(Sha32State& state, const uint8_t* data, uint32_t length) { Absorb(state, data, length, Sha1Transform); }

void Sha1Final(Sha32State& state, std::string& digest) {
    Pad(state, 8, Sha1Transform);
    WriteHexWords32(digest, state.hash, 5, true);
}

}  // namespace quorvix::digest
