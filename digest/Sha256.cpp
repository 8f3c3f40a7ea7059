#include "Sha256.h"

#include <cstring>
#include <utility>

#include "Cpu.h"
#include "Hex.h"
#include "Lanes.h"
#include "ShaBlocks.h"

namespace quorvix::digest {

namespace {

using namespace sha;

// FIPS 180-2, section 5.3.2.
constexpr uint32_t kSha256Initial[8] = {
    0x6a09e667U, 0xbb67ae85U, 0x3c6ef372U, 0xa54ff53aU,
    0x510e527fU, 0x9b05688cU, 0x1f83d9abU, 0x5be0cd19U,
};

// FIPS 180-2, section 4.2.2.
constexpr uint32_t kSha256K[64] = {
    0x428a2f98U, 0x71374491U, 0xb5c0fbcfU, 0xe9b5dba5U,
    0x3956c25bU, 0x59f111f1U, 0x923f82a4U, 0xab1c5ed5U,
    0xd807aa98U, 0x12835b01U, 0x243185beU, 0x550c7dc3U,
    0x72be5d74U, 0x80deb1feU, 0x9bdc06a7U, 0xc19bf174U,
    0xe49b69c1U, 0xefbe4786U, 0x0fc19dc6U, 0x240ca1ccU,
    0x2de92c6fU, 0x4a7484aaU, 0x5cb0a9dcU, 0x76f988daU,
    0x983e5152U, 0xa831c66dU, 0xb00327c8U, 0xbf597fc7U,
    0xc6e00bf3U, 0xd5a79147U, 0x06ca6351U, 0x14292967U,
    0x27b70a85U, 0x2e1b2138U, 0x4d2c6dfcU, 0x53380d13U,
    0x650a7354U, 0x766a0abbU, 0x81c2c92eU, 0x92722c85U,
    0xa2bfe8a1U, 0xa81a664bU, 0xc24b8b70U, 0xc76c51a3U,
    0xd192e819U, 0xd6990624U, 0xf40e3585U, 0x106aa070U,
    0x19a4c116U, 0x1e376c08U, 0x2748774cU, 0x34b0bcb5U,
    0x391c0cb3U, 0x4ed8aa4aU, 0x5b9cca4fU, 0x682e6ff3U,
    0x748f82eeU, 0x78a5636fU, 0x84c87814U, 0x8cc70208U,
    0x90befffaU, 0xa4506cebU, 0xbef9a3f7U, 0xc67178f2U,
};

// SHA-256 without special instructions, written as SHA-1's: every round out, the
// variables renamed, a 16-word schedule window (FIPS 180-4, 6.2.2).
template <int T>
__attribute__((always_inline)) inline uint32_t Sha256Word(uint32_t (&w)[16]) {
    if constexpr (T >= 16) {
        const uint32_t w15 = w[(T + 1) & 15], w2 = w[(T + 14) & 15];
        w[T & 15] += (RotR32(w2, 17) ^ RotR32(w2, 19) ^ (w2 >> 10)) + w[(T + 9) & 15] +
                     (RotR32(w15, 7) ^ RotR32(w15, 18) ^ (w15 >> 3));
    }
    return w[T & 15];
}

// Round T with the roles turned T times: v[(0 - T) mod 8] is a. Maj is formed from
// the last round's a ^ b, which is this round's b ^ c (carried in `ab`).
template <int T>
__attribute__((always_inline)) inline void Sha256Round(uint32_t (&v)[8], uint32_t (&w)[16], uint32_t& ab) {
    auto [a, b, c, d, e, f, g, h] = RolesOf<T>(v);
    (void)c;
    // The big sigmas nested, as three rotations of one running value: one register copy
    // each instead of three on processors without three-operand rotations.
    const uint32_t t1 = h + RotR32(RotR32(RotR32(e, 14) ^ e, 5) ^ e, 6) + Ch(e, f, g) + kSha256K[T] + Sha256Word<T>(w);
    d += t1;
    const uint32_t bc = ab;
    ab = a ^ b;
    h = t1 + RotR32(RotR32(RotR32(a, 9) ^ a, 11) ^ a, 2) + (b ^ (ab & bc));
}

template <size_t... T>
__attribute__((always_inline)) inline void Sha256Rounds(uint32_t (&v)[8], uint32_t (&w)[16], uint32_t& ab, std::index_sequence<T...>) {
    (Sha256Round<int(T)>(v, w, ab), ...);
}

void Sha256Portable(uint32_t* hash, const uint8_t* data, size_t blocks) {
    for (; blocks > 0; --blocks, data += 64) {
        uint32_t w[16];
        for (int t = 0; t < 16; ++t) w[t] = LoadBE32(data + 4 * t);
        uint32_t v[8] = {hash[0], hash[1], hash[2], hash[3], hash[4], hash[5], hash[6], hash[7]};
        uint32_t ab = v[1] ^ v[2];  // b ^ c of the first round
        Sha256Rounds(v, w, ab, std::make_index_sequence<64>{});
        AddToChain(hash, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    }
}

#ifdef QUORVIX_X86
// SHA-256 with the SHA extensions: the state as ABEF and CDGH, two rounds per sha256rnds2.
template <int I>
__attribute__((target("sha,sse4.1"))) inline void Sha256Quad(__m128i& abef, __m128i& cdgh, __m128i (&w)[4],
                                                             const uint8_t* data, __m128i mask) {
    if constexpr (I < 4) w[I] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * I)), mask);
    __m128i message = _mm_add_epi32(w[I % 4], _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSha256K + 4 * I)));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
    if constexpr (I >= 3 && I <= 14) {
        const __m128i shifted = _mm_alignr_epi8(w[I % 4], w[(I + 3) % 4], 4);
        w[(I + 1) % 4] = _mm_sha256msg2_epu32(_mm_add_epi32(w[(I + 1) % 4], shifted), w[I % 4]);
    }
    message = _mm_shuffle_epi32(message, 0x0e);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
    if constexpr (I >= 1 && I <= 12) w[(I + 3) % 4] = _mm_sha256msg1_epu32(w[(I + 3) % 4], w[I % 4]);
}

template <size_t... I>
__attribute__((target("sha,sse4.1"))) inline void Sha256Quads(__m128i& abef, __m128i& cdgh, __m128i (&w)[4],
                                                              const uint8_t* data, __m128i mask,
                                                              std::index_sequence<I...>) {
    (Sha256Quad<int(I)>(abef, cdgh, w, data, mask), ...);
}

__attribute__((target("sha,sse4.1"))) void Sha256Hardware(uint32_t* hash, const uint8_t* data, size_t blocks) {
    ClearUpperVectorState();
    const __m128i mask = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    const __m128i dcba = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(hash)), 0xb1);
    const __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(hash + 4)), 0x1b);
    __m128i abef = _mm_alignr_epi8(dcba, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, dcba, 0xf0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefSaved = abef, cdghSaved = cdgh;
        __m128i w[4];
        Sha256Quads(abef, cdgh, w, data, mask, std::make_index_sequence<16>{});
        abef = _mm_add_epi32(abef, abefSaved);
        cdgh = _mm_add_epi32(cdgh, cdghSaved);
    }
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1b);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xb1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(hash), _mm_blend_epi16(feba, dchg, 0xf0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(hash + 4), _mm_alignr_epi8(dchg, feba, 8));
}
#endif

}  // namespace

void Sha256Transform(uint32_t* hash, const uint8_t* data, size_t blocks) {
#ifdef QUORVIX_X86
    if (Cpu().sha) return Sha256Hardware(hash, data, blocks);
#endif
    Sha256Portable(hash, data, blocks);
}

// --- Many messages in vector lanes ------------------------------------------------
// The rounds of the one-message code above, on vectors holding the same word of 8 or 16
// messages.

#ifdef QUORVIX_X86
#pragma GCC diagnostic ignored "-Wpsabi"  // see LaneRotL
namespace {

template <int T, typename V>
__attribute__((always_inline)) inline void Sha256LaneRound(V (&v)[8], V (&w)[16]) {
    auto [a, b, c, d, e, f, g, h] = RolesOf<T>(v);
    if constexpr (T >= 16) {
        const V w15 = w[(T + 1) & 15], w2 = w[(T + 14) & 15];
        w[T & 15] += (LaneRotL<15>(w2) ^ LaneRotL<13>(w2) ^ (w2 >> 10)) + w[(T + 9) & 15] +
                     (LaneRotL<25>(w15) ^ LaneRotL<14>(w15) ^ (w15 >> 3));
    }
    const V t1 = h + (LaneRotL<26>(e) ^ LaneRotL<21>(e) ^ LaneRotL<7>(e)) + (g ^ (e & (f ^ g))) +
                 (w[T & 15] + kSha256K[T]);
    d += t1;
    h = t1 + (LaneRotL<30>(a) ^ LaneRotL<19>(a) ^ LaneRotL<10>(a)) + ((a & b) | (c & (a | b)));
}

template <typename V, size_t... T>
__attribute__((always_inline)) inline void Sha256LaneBlock(V (&w)[16], V (&h)[8], std::index_sequence<T...>) {
    V v[8] = {h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7]};
    (Sha256LaneRound<int(T)>(v, w), ...);
    for (int i = 0; i < 8; ++i) h[i] += v[i];
}

__attribute__((target("avx2"))) void Sha256LanesAvx2(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 8, LoadLaneWords16Avx2<true>, Sha256LaneBlock(w, h, std::make_index_sequence<64>{}));
}
__attribute__((target("avx512f,avx512bw"))) void Sha256LanesAvx512(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 8, LoadLaneWords16Avx512<true>, Sha256LaneBlock(w, h, std::make_index_sequence<64>{}));
}

}  // namespace
#else
namespace {
constexpr LaneFn<uint32_t> Sha256LanesAvx2 = nullptr, Sha256LanesAvx512 = nullptr;
}  // namespace
#endif

const LaneFamily<uint32_t>& Sha256Lanes() {
    static constexpr LaneFamily<uint32_t> family{8, 8, true, kSha256Initial, Sha256Transform, Sha256LanesAvx2, kMaxLanes,
                                                 Sha256LanesAvx512, kMaxLanes, LanesBesideSha::Never};
    return family;
}

void Sha256Init(Sha32State& state, uint32_t) { Start(state, kSha256Initial); }

void Sha256Update(Sha32State& state, const uint8_t* data, uint32_t length) { Absorb(state, data, length, Sha256Transform); }

void Sha256Final(Sha32State& state, std::string& digest) {
    Pad(state, 8, Sha256Transform);
    WriteHexWords32(digest, state.hash, 8, true);
}

}  // namespace quorvix::digest
