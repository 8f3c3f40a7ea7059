#include "SHA.h"

#include <cstring>
#include <utility>

#include "CryptoUtils.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUORVIX_X86 1
#endif

namespace {

// FIPS 180-2, section 5.3.
constexpr uint32_t kSha1Initial[5] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
constexpr uint32_t kSha256Initial[8] = {
    0x6a09e667U, 0xbb67ae85U, 0x3c6ef372U, 0xa54ff53aU,
    0x510e527fU, 0x9b05688cU, 0x1f83d9abU, 0x5be0cd19U,
};
constexpr uint64_t kSha384Initial[8] = {
    0xcbbb9d5dc1059ed8ULL, 0x629a292a367cd507ULL, 0x9159015a3070dd17ULL, 0x152fecd8f70e5939ULL,
    0x67332667ffc00b31ULL, 0x8eb44a8768581511ULL, 0xdb0c2e0d64f98fa7ULL, 0x47b5481dbefa4fa4ULL,
};
constexpr uint64_t kSha512Initial[8] = {
    0x6a09e667f3bcc908ULL, 0xbb67ae8584caa73bULL, 0x3c6ef372fe94f82bULL, 0xa54ff53a5f1d36f1ULL,
    0x510e527fade682d1ULL, 0x9b05688c2b3e6c1fULL, 0x1f83d9abfb41bd6bULL, 0x5be0cd19137e2179ULL,
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

// FIPS 180-2, section 4.2.3.
constexpr uint64_t kSha512K[80] = {
    0x428a2f98d728ae22ULL, 0x7137449123ef65cdULL, 0xb5c0fbcfec4d3b2fULL, 0xe9b5dba58189dbbcULL,
    0x3956c25bf348b538ULL, 0x59f111f1b605d019ULL, 0x923f82a4af194f9bULL, 0xab1c5ed5da6d8118ULL,
    0xd807aa98a3030242ULL, 0x12835b0145706fbeULL, 0x243185be4ee4b28cULL, 0x550c7dc3d5ffb4e2ULL,
    0x72be5d74f27b896fULL, 0x80deb1fe3b1696b1ULL, 0x9bdc06a725c71235ULL, 0xc19bf174cf692694ULL,
    0xe49b69c19ef14ad2ULL, 0xefbe4786384f25e3ULL, 0x0fc19dc68b8cd5b5ULL, 0x240ca1cc77ac9c65ULL,
    0x2de92c6f592b0275ULL, 0x4a7484aa6ea6e483ULL, 0x5cb0a9dcbd41fbd4ULL, 0x76f988da831153b5ULL,
    0x983e5152ee66dfabULL, 0xa831c66d2db43210ULL, 0xb00327c898fb213fULL, 0xbf597fc7beef0ee4ULL,
    0xc6e00bf33da88fc2ULL, 0xd5a79147930aa725ULL, 0x06ca6351e003826fULL, 0x142929670a0e6e70ULL,
    0x27b70a8546d22ffcULL, 0x2e1b21385c26c926ULL, 0x4d2c6dfc5ac42aedULL, 0x53380d139d95b3dfULL,
    0x650a73548baf63deULL, 0x766a0abb3c77b2a8ULL, 0x81c2c92e47edaee6ULL, 0x92722c851482353bULL,
    0xa2bfe8a14cf10364ULL, 0xa81a664bbc423001ULL, 0xc24b8b70d0f89791ULL, 0xc76c51a30654be30ULL,
    0xd192e819d6ef5218ULL, 0xd69906245565a910ULL, 0xf40e35855771202aULL, 0x106aa07032bbd1b8ULL,
    0x19a4c116b8d2d0c8ULL, 0x1e376c085141ab53ULL, 0x2748774cdf8eeb99ULL, 0x34b0bcb5e19b48a8ULL,
    0x391c0cb3c5c95a63ULL, 0x4ed8aa4ae3418acbULL, 0x5b9cca4f7763e373ULL, 0x682e6ff3d6b2b8a3ULL,
    0x748f82ee5defb2fcULL, 0x78a5636f43172f60ULL, 0x84c87814a1f0ab72ULL, 0x8cc702081a6439ecULL,
    0x90befffa23631e28ULL, 0xa4506cebde82bde9ULL, 0xbef9a3f7b2c67915ULL, 0xc67178f2e372532bULL,
    0xca273eceea26619cULL, 0xd186b8c721c0c207ULL, 0xeada7dd6cde0eb1eULL, 0xf57d4f7fee6ed178ULL,
    0x06f067aa72176fbaULL, 0x0a637dc5a2c898a6ULL, 0x113f9804bef90daeULL, 0x1b710b35131c471bULL,
    0x28db77f523047d84ULL, 0x32caab7b40c72493ULL, 0x3c9ebe0a15c9bebcULL, 0x431d67c49c100d4cULL,
    0x4cc5d4becb3e42b6ULL, 0x597f299cfc657e2aULL, 0x5fcb6fab3ad6faecULL, 0x6c44198c4a475817ULL,
};

inline uint32_t Ch(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
[[maybe_unused]] inline uint32_t Maj(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (z & (x | y)); }
inline uint64_t Ch(uint64_t x, uint64_t y, uint64_t z) { return z ^ (x & (y ^ z)); }
[[maybe_unused]] inline uint64_t Maj(uint64_t x, uint64_t y, uint64_t z) { return (x & y) | (z & (x | y)); }

using Transform32 = void (*)(uint32_t*, const uint8_t*, size_t);

// Adds a block's working variables back into the chaining values, in order.
template <typename Word, typename... Words>
inline void AddToChain(Word* hash, Words... words) {
    size_t i = 0;
    ((hash[i++] += words), ...);
}

template <typename State, typename Word, size_t N>
void Start(State& state, const Word (&initial)[N]) {
    std::memcpy(state.hash, initial, sizeof initial);
    state.bitCount = 0;
    state.bufferFill = 0;
}

// The buffering of all four functions; each compressed block adds its bits to the count.
template <typename State, typename TransformFn>
void Absorb(State& state, const uint8_t* data, int64_t length, TransformFn transform) {
    constexpr size_t kBlock = sizeof state.buffer;
    if (length <= 0) return;
    AbsorbBlocks<kBlock, true>(state.buffer, state.bufferFill, data, uint64_t(length), [&](const uint8_t* blocks, size_t count) {
        transform(state.hash, blocks, count);
        state.bitCount += uint64_t(count) * kBlock * 8;
    });
}

// Pads the buffered tail (up to a whole block) with 0x80, zeros and the bit length, and
// compresses the one or two last blocks in a single call. The length field takes the
// last lengthBytes bytes, of which all but the final eight are zero.
template <typename State, typename TransformFn>
void Pad(State& state, size_t lengthBytes, TransformFn transform) {
    constexpr size_t kBlock = sizeof state.buffer;
    const size_t fill = size_t(state.bufferFill);
    state.bitCount += uint64_t(fill) * 8;
    alignas(64) uint8_t last[2 * kBlock];
    const size_t blocks = LayOutTail<kBlock>(last, state.buffer, fill, 0x80, lengthBytes);
    StoreBE64(last + blocks * kBlock - 8, state.bitCount);
    transform(state.hash, last, blocks);
    state.bufferFill = 0;
}

}  // namespace

void Sha1Init(Sha32State& state) { Start(state, kSha1Initial); }

void Sha256Init(Sha32State& state) { Start(state, kSha256Initial); }

void Sha384Init(Sha64State& state) { Start(state, kSha384Initial); }

void Sha512Init(Sha64State& state) { Start(state, kSha512Initial); }

void Sha32Update(Sha32State& state, const uint8_t* data, uint16_t variant, int64_t length) {
    Absorb(state, data, length, variant == 256 ? Sha256Transform : Sha1Transform);
}

void Sha32Final(Sha32State& state, uint16_t variant, std::string& digest) {
    Pad(state, 8, variant == 256 ? Sha256Transform : Sha1Transform);
    WriteHexWords32(digest, state.hash, variant == 256 ? 8 : 5, true);
}

void Sha64Update(Sha64State& state, const uint8_t* data, int64_t length) {
    Absorb(state, data, length, Sha512Transform);
}

void Sha64Final(Sha64State& state, uint16_t variant, std::string& digest) {
    // The high half of the 128-bit length field stays zero.
    Pad(state, 16, Sha512Transform);
    WriteHexWords64(digest, state.hash, variant == 384 ? 6 : 8, true);
}

namespace {

// SHA-1 and SHA-256 without special instructions: every round written out (through
// index sequences), the working variables renamed from round to round instead of
// moved, and the message schedule a rolling window of 16 words (FIPS 180-4, 6.1.3 and
// 6.2.2 with the alternate method's 16-word W).
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
    uint32_t& a = v[(64 - T) % 8];
    uint32_t& b = v[(65 - T) % 8];
    uint32_t& d = v[(67 - T) % 8];
    uint32_t& e = v[(68 - T) % 8];
    uint32_t& f = v[(69 - T) % 8];
    uint32_t& g = v[(70 - T) % 8];
    uint32_t& h = v[(71 - T) % 8];
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
// unit to the rounds: about four and a half cycles per group.
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

void Sha1Transform(uint32_t* hash, const uint8_t* data, size_t blocks) {
#ifdef QUORVIX_X86
    if (Cpu().sha && Cpu().avx512) return Sha1HardwareAvx512(hash, data, blocks);
    if (Cpu().sha) return Sha1Hardware(hash, data, blocks);
#endif
    Sha1Portable(hash, data, blocks);
}

void Sha256Transform(uint32_t* hash, const uint8_t* data, size_t blocks) {
#ifdef QUORVIX_X86
    if (Cpu().sha) return Sha256Hardware(hash, data, blocks);
#endif
    Sha256Portable(hash, data, blocks);
}

namespace {

// The 80 rounds unrolled eight at a time with the working variables renamed instead
// of moved, and the message schedule kept as a rolling window of 16 words.
// Round i of a group of 16 uses the message word i; k is the round's constant index.
// Maj(a, b, c) = b ^ ((a ^ b) & (b ^ c)), and this round's b ^ c is the last round's
// a ^ b: one operation less per round (ab carries it from round to round).
#define SHA512_ROUND(a, b, c, d, e, f, g, h, k, i)                                      \
    do {                                                                                \
        const uint64_t t1 = h + kSha512K[k] + w[i] + BigSigma1<Nested>(e) + Ch(e, f, g); \
        d += t1;                                                                        \
        const uint64_t bc = ab;                                                         \
        ab = a ^ b;                                                                     \
        h = t1 + BigSigma0<Nested>(a) + (b ^ (ab & bc));                                \
    } while (0)
#define SHA512_SCHEDULE(i)                                                                         \
    do {                                                                                           \
        const uint64_t w15 = w[((i) + 1) & 15], w2 = w[((i) + 14) & 15];                           \
        w[i] += (RotR64(w2, 19) ^ RotR64(w2, 61) ^ (w2 >> 6)) + w[((i) + 9) & 15] +               \
                (RotR64(w15, 1) ^ RotR64(w15, 8) ^ (w15 >> 7));                                   \
    } while (0)
#define SHA512_NO_SCHEDULE(i) (void)0
#define SHA512_SIXTEEN(k, SCHEDULE)                                                                 \
    SCHEDULE(0); SHA512_ROUND(a, b, c, d, e, f, g, h, k + 0, 0);                                    \
    SCHEDULE(1); SHA512_ROUND(h, a, b, c, d, e, f, g, k + 1, 1);                                    \
    SCHEDULE(2); SHA512_ROUND(g, h, a, b, c, d, e, f, k + 2, 2);                                    \
    SCHEDULE(3); SHA512_ROUND(f, g, h, a, b, c, d, e, k + 3, 3);                                    \
    SCHEDULE(4); SHA512_ROUND(e, f, g, h, a, b, c, d, k + 4, 4);                                    \
    SCHEDULE(5); SHA512_ROUND(d, e, f, g, h, a, b, c, k + 5, 5);                                    \
    SCHEDULE(6); SHA512_ROUND(c, d, e, f, g, h, a, b, k + 6, 6);                                    \
    SCHEDULE(7); SHA512_ROUND(b, c, d, e, f, g, h, a, k + 7, 7);                                    \
    SCHEDULE(8); SHA512_ROUND(a, b, c, d, e, f, g, h, k + 8, 8);                                    \
    SCHEDULE(9); SHA512_ROUND(h, a, b, c, d, e, f, g, k + 9, 9);                                    \
    SCHEDULE(10); SHA512_ROUND(g, h, a, b, c, d, e, f, k + 10, 10);                                 \
    SCHEDULE(11); SHA512_ROUND(f, g, h, a, b, c, d, e, k + 11, 11);                                 \
    SCHEDULE(12); SHA512_ROUND(e, f, g, h, a, b, c, d, k + 12, 12);                                 \
    SCHEDULE(13); SHA512_ROUND(d, e, f, g, h, a, b, c, k + 13, 13);                                 \
    SCHEDULE(14); SHA512_ROUND(c, d, e, f, g, h, a, b, k + 14, 14);                                 \
    SCHEDULE(15); SHA512_ROUND(b, c, d, e, f, g, h, a, k + 15, 15)

// The big sigmas as three independent rotations where rotations have three operands
// (rorx), else nested, as three rotations of one running value (one register copy
// instead of three).
template <bool Nested>
__attribute__((always_inline)) inline uint64_t BigSigma0(uint64_t a) {
    return Nested ? RotR64(RotR64(RotR64(a, 5) ^ a, 6) ^ a, 28) : RotR64(a, 28) ^ RotR64(a, 34) ^ RotR64(a, 39);
}
template <bool Nested>
__attribute__((always_inline)) inline uint64_t BigSigma1(uint64_t e) {
    return Nested ? RotR64(RotR64(RotR64(e, 23) ^ e, 4) ^ e, 14) : RotR64(e, 14) ^ RotR64(e, 18) ^ RotR64(e, 41);
}

template <bool Nested>
__attribute__((always_inline)) inline void Sha512Blocks(uint64_t* hash, const uint8_t* data, size_t blocks) {
    for (; blocks > 0; --blocks, data += 128) {
        uint64_t w[16];
        for (int t = 0; t < 16; ++t) w[t] = LoadBE64(data + 8 * t);
        uint64_t a = hash[0], b = hash[1], c = hash[2], d = hash[3];
        uint64_t e = hash[4], f = hash[5], g = hash[6], h = hash[7];
        uint64_t ab = b ^ c;  // b ^ c of the first round
        SHA512_SIXTEEN(0, SHA512_NO_SCHEDULE);
        for (int k = 16; k < 80; k += 16) {
            SHA512_SIXTEEN(k, SHA512_SCHEDULE);
        }
        AddToChain(hash, a, b, c, d, e, f, g, h);
    }
}
#undef SHA512_ROUND
#undef SHA512_SCHEDULE
#undef SHA512_SIXTEEN
#undef SHA512_NO_SCHEDULE

void Sha512Portable(uint64_t* hash, const uint8_t* data, size_t blocks) { Sha512Blocks<true>(hash, data, blocks); }

#ifdef QUORVIX_X86
// The same code where three-operand rotations (rorx) save register copies.
__attribute__((target("bmi2"))) void Sha512Bmi2(uint64_t* hash, const uint8_t* data, size_t blocks) {
    Sha512Blocks<false>(hash, data, blocks);
}

// The message schedule two words at a time in vector registers while the scalar rounds
// run: each step makes the pair of words 16 rounds ahead, with its round constants
// added, and then runs two rounds. AVX-512 has 64-bit rotations and three-way XORs;
// with AVX2 each rotation is two shifts and an OR. The one body is stamped out for each
// (a function inlined into another must be compiled for a subset of its features).
#define SHA512_AVX512_TARGET __attribute__((target("avx512f,avx512vl,bmi2")))
#define SHA512_AVX2_TARGET __attribute__((target("avx2,bmi2")))

SHA512_AVX512_TARGET inline __m128i SmallSigma0Avx512(__m128i w) {
    return _mm_ternarylogic_epi64(_mm_ror_epi64(w, 1), _mm_ror_epi64(w, 8), _mm_srli_epi64(w, 7), 0x96);
}
SHA512_AVX512_TARGET inline __m128i SmallSigma1Avx512(__m128i w) {
    return _mm_ternarylogic_epi64(_mm_ror_epi64(w, 19), _mm_ror_epi64(w, 61), _mm_srli_epi64(w, 6), 0x96);
}
// ror(w, 1) ^ ror(w, 8) ^ (w >> 7).
SHA512_AVX2_TARGET inline __m128i SmallSigma0Avx2(__m128i w) {
    const __m128i right = _mm_xor_si128(_mm_xor_si128(_mm_srli_epi64(w, 1), _mm_srli_epi64(w, 8)), _mm_srli_epi64(w, 7));
    return _mm_xor_si128(right, _mm_xor_si128(_mm_slli_epi64(w, 63), _mm_slli_epi64(w, 56)));
}
// ror(w, 19) ^ ror(w, 61) ^ (w >> 6).
SHA512_AVX2_TARGET inline __m128i SmallSigma1Avx2(__m128i w) {
    const __m128i right = _mm_xor_si128(_mm_xor_si128(_mm_srli_epi64(w, 19), _mm_srli_epi64(w, 61)), _mm_srli_epi64(w, 6));
    return _mm_xor_si128(right, _mm_xor_si128(_mm_slli_epi64(w, 45), _mm_slli_epi64(w, 3)));
}

// n[0..7] hold the pairs of words k .. k+15, n[8 + J] receives the pair k+16+2J.
#define SHA512_SCHEDULE_PAIR(J, SIGMA0, SIGMA1)                                                                  \
    do {                                                                                                         \
        constexpr int p = 8 + (J);                                                                               \
        const __m128i v = _mm_add_epi64(_mm_add_epi64(SIGMA1(n[p - 1]), _mm_alignr_epi8(n[p - 3], n[p - 4], 8)), \
                                        _mm_add_epi64(SIGMA0(_mm_alignr_epi8(n[p - 7], n[p - 8], 8)), n[p - 8]));  \
        n[p] = v;                                                                                                \
        const int t = k + 16 + 2 * (J);                                                                          \
        _mm_store_si128(reinterpret_cast<__m128i*>(wk + t),                                                      \
                        _mm_add_epi64(v, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSha512K + t))));     \
    } while (0)
#define SHA512_WK_ROUND(a, b, c, d, e, f, g, h, i)                                                     \
    do {                                                                                               \
        const uint64_t t1 = (h + wk[i] + Ch(e, f, g)) + (RotR64(e, 14) ^ RotR64(e, 18) ^ RotR64(e, 41)); \
        d += t1;                                                                                       \
        const uint64_t bc = ab;                                                                        \
        ab = a ^ b;                                                                                    \
        h = t1 + (RotR64(a, 28) ^ RotR64(a, 34) ^ RotR64(a, 39)) + (b ^ (ab & bc));                    \
    } while (0)
#define SHA512_STEP(J, a, b, c, d, e, f, g, h, SIGMA0, SIGMA1)        \
    if (schedule) SHA512_SCHEDULE_PAIR(J, SIGMA0, SIGMA1);            \
    SHA512_WK_ROUND(a, b, c, d, e, f, g, h, k + 2 * (J));             \
    SHA512_WK_ROUND(h, a, b, c, d, e, f, g, k + 2 * (J) + 1)
#define SHA512_SIXTEEN(SIGMA0, SIGMA1)                          \
    SHA512_STEP(0, a, b, c, d, e, f, g, h, SIGMA0, SIGMA1);     \
    SHA512_STEP(1, g, h, a, b, c, d, e, f, SIGMA0, SIGMA1);     \
    SHA512_STEP(2, e, f, g, h, a, b, c, d, SIGMA0, SIGMA1);     \
    SHA512_STEP(3, c, d, e, f, g, h, a, b, SIGMA0, SIGMA1);     \
    SHA512_STEP(4, a, b, c, d, e, f, g, h, SIGMA0, SIGMA1);     \
    SHA512_STEP(5, g, h, a, b, c, d, e, f, SIGMA0, SIGMA1);     \
    SHA512_STEP(6, e, f, g, h, a, b, c, d, SIGMA0, SIGMA1);     \
    SHA512_STEP(7, c, d, e, f, g, h, a, b, SIGMA0, SIGMA1)
#define SHA512_VECTOR_BLOCKS(SIGMA0, SIGMA1)                                                                         \
    const __m128i swap = _mm_set_epi64x(0x08090a0b0c0d0e0fLL, 0x0001020304050607LL);                                 \
    for (; blocks > 0; --blocks, data += 128) {                                                                      \
        alignas(16) uint64_t wk[80];                                                                                 \
        __m128i n[16];                                                                                               \
        for (int j = 0; j < 8; ++j) {                                                                                \
            n[j] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)), swap);         \
            _mm_store_si128(reinterpret_cast<__m128i*>(wk + 2 * j),                                                  \
                            _mm_add_epi64(n[j], _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSha512K + 2 * j)))); \
        }                                                                                                            \
        uint64_t a = hash[0], b = hash[1], c = hash[2], d = hash[3];                                                 \
        uint64_t e = hash[4], f = hash[5], g = hash[6], h = hash[7];                                                 \
        uint64_t ab = b ^ c;                                                                                         \
        for (int k = 0; k < 64; k += 16) {                                                                           \
            constexpr bool schedule = true;                                                                          \
            SHA512_SIXTEEN(SIGMA0, SIGMA1);                                                                          \
            for (int j = 0; j < 8; ++j) n[j] = n[8 + j];                                                             \
        }                                                                                                            \
        {                                                                                                            \
            constexpr int k = 64;                                                                                    \
            constexpr bool schedule = false; /* the last 16 rounds need no more words */                             \
            SHA512_SIXTEEN(SIGMA0, SIGMA1);                                                                          \
        }                                                                                                            \
        AddToChain(hash, a, b, c, d, e, f, g, h);                                                                    \
    }

SHA512_AVX512_TARGET void Sha512Avx512(uint64_t* hash, const uint8_t* data, size_t blocks) {
    SHA512_VECTOR_BLOCKS(SmallSigma0Avx512, SmallSigma1Avx512)
}

SHA512_AVX2_TARGET void Sha512Avx2One(uint64_t* hash, const uint8_t* data, size_t blocks) {
    SHA512_VECTOR_BLOCKS(SmallSigma0Avx2, SmallSigma1Avx2)
}

// Two blocks at once with AVX2: their schedules side by side, block 0 in the low lane
// and block 1 in the high lane of each 256-bit register, so that one vector step makes
// a pair of words for both. Block 0's rounds run with the schedule, block 1's after,
// from the words already made: the vector work per block is halved.
SHA512_AVX2_TARGET inline __m256i SmallSigma0Wide(__m256i w) {
    const __m256i right = _mm256_xor_si256(_mm256_xor_si256(_mm256_srli_epi64(w, 1), _mm256_srli_epi64(w, 8)), _mm256_srli_epi64(w, 7));
    return _mm256_xor_si256(right, _mm256_xor_si256(_mm256_slli_epi64(w, 63), _mm256_slli_epi64(w, 56)));
}
SHA512_AVX2_TARGET inline __m256i SmallSigma1Wide(__m256i w) {
    const __m256i right = _mm256_xor_si256(_mm256_xor_si256(_mm256_srli_epi64(w, 19), _mm256_srli_epi64(w, 61)), _mm256_srli_epi64(w, 6));
    return _mm256_xor_si256(right, _mm256_xor_si256(_mm256_slli_epi64(w, 45), _mm256_slli_epi64(w, 3)));
}

SHA512_AVX2_TARGET void Sha512Avx2Pair(uint64_t* hash, const uint8_t* data) {
    const __m256i swap = _mm256_set_epi64x(0x08090a0b0c0d0e0fLL, 0x0001020304050607LL, 0x08090a0b0c0d0e0fLL,
                                           0x0001020304050607LL);
    alignas(32) uint64_t wk[2][80];
    __m256i n[16];
// The pair of words t, t+1 of both blocks with their round constants, into wk.
#define SHA512_KEEP(t, words)                                                                                         \
    do {                                                                                                          \
        const __m256i sum = _mm256_add_epi64(                                                                     \
            words, _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kSha512K + (t))))); \
        _mm_store_si128(reinterpret_cast<__m128i*>(wk[0] + (t)), _mm256_castsi256_si128(sum));                   \
        _mm_store_si128(reinterpret_cast<__m128i*>(wk[1] + (t)), _mm256_extracti128_si256(sum, 1));              \
    } while (0)
    for (int j = 0; j < 8; ++j) {
        const __m256i both = _mm256_set_m128i(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 128 + 16 * j)),
                                              _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)));
        n[j] = _mm256_shuffle_epi8(both, swap);
        SHA512_KEEP(2 * j, n[j]);
    }
    uint64_t a = hash[0], b = hash[1], c = hash[2], d = hash[3];
    uint64_t e = hash[4], f = hash[5], g = hash[6], h = hash[7];
    uint64_t ab = b ^ c;
    uint64_t* w0 = wk[0];
#define SHA512_PAIR_STEP(J, a, b, c, d, e, f, g, h)                                                                  \
    if (schedule) {                                                                                                  \
        constexpr int p = 8 + (J);                                                                                   \
        n[p] = _mm256_add_epi64(_mm256_add_epi64(SmallSigma1Wide(n[p - 1]), _mm256_alignr_epi8(n[p - 3], n[p - 4], 8)), \
                                _mm256_add_epi64(SmallSigma0Wide(_mm256_alignr_epi8(n[p - 7], n[p - 8], 8)), n[p - 8])); \
        SHA512_KEEP(k + 16 + 2 * (J), n[p]);                                                                         \
    }                                                                                                                \
    SHA512_PAIR_ROUND(a, b, c, d, e, f, g, h, k + 2 * (J));                                                          \
    SHA512_PAIR_ROUND(h, a, b, c, d, e, f, g, k + 2 * (J) + 1)
#define SHA512_PAIR_ROUND(a, b, c, d, e, f, g, h, i)                                                   \
    do {                                                                                               \
        const uint64_t t1 = (h + w0[i] + Ch(e, f, g)) + (RotR64(e, 14) ^ RotR64(e, 18) ^ RotR64(e, 41)); \
        d += t1;                                                                                       \
        const uint64_t bc = ab;                                                                        \
        ab = a ^ b;                                                                                    \
        h = t1 + (RotR64(a, 28) ^ RotR64(a, 34) ^ RotR64(a, 39)) + (b ^ (ab & bc));                    \
    } while (0)
#define SHA512_PAIR_SIXTEEN                        \
    SHA512_PAIR_STEP(0, a, b, c, d, e, f, g, h);   \
    SHA512_PAIR_STEP(1, g, h, a, b, c, d, e, f);   \
    SHA512_PAIR_STEP(2, e, f, g, h, a, b, c, d);   \
    SHA512_PAIR_STEP(3, c, d, e, f, g, h, a, b);   \
    SHA512_PAIR_STEP(4, a, b, c, d, e, f, g, h);   \
    SHA512_PAIR_STEP(5, g, h, a, b, c, d, e, f);   \
    SHA512_PAIR_STEP(6, e, f, g, h, a, b, c, d);   \
    SHA512_PAIR_STEP(7, c, d, e, f, g, h, a, b)
    for (int k = 0; k < 64; k += 16) {
        constexpr bool schedule = true;
        SHA512_PAIR_SIXTEEN;
        for (int j = 0; j < 8; ++j) n[j] = n[8 + j];
    }
    {
        constexpr int k = 64;
        constexpr bool schedule = false;
        SHA512_PAIR_SIXTEEN;
    }
    AddToChain(hash, a, b, c, d, e, f, g, h);
    // Block 1: its words are all made.
    a = hash[0], b = hash[1], c = hash[2], d = hash[3];
    e = hash[4], f = hash[5], g = hash[6], h = hash[7];
    ab = b ^ c;
    w0 = wk[1];
    for (int k = 0; k < 80; k += 16) {
        constexpr bool schedule = false;
        SHA512_PAIR_SIXTEEN;
    }
    AddToChain(hash, a, b, c, d, e, f, g, h);
#undef SHA512_PAIR_SIXTEEN
#undef SHA512_PAIR_ROUND
#undef SHA512_PAIR_STEP
#undef SHA512_KEEP
}

SHA512_AVX2_TARGET void Sha512Avx2(uint64_t* hash, const uint8_t* data, size_t blocks) {
    ClearUpperVectorState();
    for (; blocks >= 2; blocks -= 2, data += 256) Sha512Avx2Pair(hash, data);
    if (blocks) Sha512Avx2One(hash, data, blocks);
    _mm256_zeroupper();
}
#undef SHA512_VECTOR_BLOCKS
#undef SHA512_SIXTEEN
#undef SHA512_STEP
#undef SHA512_WK_ROUND
#undef SHA512_SCHEDULE_PAIR
#endif

}  // namespace

void Sha512Transform(uint64_t* hash, const uint8_t* data, size_t blocks) {
#ifdef QUORVIX_X86
    if (Cpu().avx512 && Cpu().bmi2) return Sha512Avx512(hash, data, blocks);
    if (Cpu().avx2 && Cpu().bmi2) return Sha512Avx2(hash, data, blocks);
    if (Cpu().bmi2) return Sha512Bmi2(hash, data, blocks);
#endif
    Sha512Portable(hash, data, blocks);
}

// --- SHA-1 and SHA-256 of many messages in vector lanes ---------------------------------
// The rounds of the one-message code above, on vectors holding the same word of 8 or 16
// messages. Measured on 64 KiB messages, eight lanes of AVX2 already beat the SHA
// instructions' one message (SHA-1 2.6×, SHA-256 1.3×), sixteen of AVX-512 by far.

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

template <int T, typename V>
__attribute__((always_inline)) inline void Sha256LaneRound(V (&v)[8], V (&w)[16]) {
    V& a = v[(64 - T) % 8];
    V& b = v[(65 - T) % 8];
    V& c = v[(66 - T) % 8];
    V& d = v[(67 - T) % 8];
    V& e = v[(68 - T) % 8];
    V& f = v[(69 - T) % 8];
    V& g = v[(70 - T) % 8];
    V& h = v[(71 - T) % 8];
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

__attribute__((target("avx2"))) void Sha1LanesAvx2(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 5, LoadLaneWords16Avx2<true>, Sha1LaneBlock(w, h, std::make_index_sequence<80>{}));
}
__attribute__((target("avx512f,avx512bw"))) void Sha1LanesAvx512(uint32_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U32x16, 5, LoadLaneWords16Avx512<true>, Sha1LaneBlock(w, h, std::make_index_sequence<80>{}));
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
constexpr LaneFn Sha1LanesAvx2 = nullptr, Sha1LanesAvx512 = nullptr, Sha256LanesAvx2 = nullptr, Sha256LanesAvx512 = nullptr;
}  // namespace
#endif

const LaneFamily& Sha1Lanes() {
    static constexpr LaneFamily family{5, true, kSha1Initial, Sha1Transform, Sha1LanesAvx2, Sha1LanesAvx512, false};
    return family;
}

const LaneFamily& Sha256Lanes() {
    static constexpr LaneFamily family{8, true, kSha256Initial, Sha256Transform, Sha256LanesAvx2, Sha256LanesAvx512, true};
    return family;
}
