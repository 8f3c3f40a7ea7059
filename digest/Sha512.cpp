#include "Sha512.h"

#include <cstring>
#include <utility>

#include "Cpu.h"
#include "Hex.h"
#include "Intrinsics.h"
#include "Lanes.h"
#include "ShaBlocks.h"

namespace quorvix::digest {

namespace {

using namespace sha;

// FIPS 180-2, sections 5.3.3 and 5.3.4.
constexpr uint64_t kSha384Initial[8] = {
    0xcbbb9d5dc1059ed8ULL, 0x629a292a367cd507ULL, 0x9159015a3070dd17ULL, 0x152fecd8f70e5939ULL,
    0x67332667ffc00b31ULL, 0x8eb44a8768581511ULL, 0xdb0c2e0d64f98fa7ULL, 0x47b5481dbefa4fa4ULL,
};
constexpr uint64_t kSha512Initial[8] = {
    0x6a09e667f3bcc908ULL, 0xbb67ae8584caa73bULL, 0x3c6ef372fe94f82bULL, 0xa54ff53a5f1d36f1ULL,
    0x510e527fade682d1ULL, 0x9b05688c2b3e6c1fULL, 0x1f83d9abfb41bd6bULL, 0x5be0cd19137e2179ULL,
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
// Ch(e, f, g) is taken as (e & f) + (~e & g): the two never share a bit, and and-not
// (BMI1) leaves e in place, which saves a register copy a round.
#define SHA512_AVX512_TARGET __attribute__((target("avx512f,avx512vl,bmi,bmi2")))
#define SHA512_AVX2_TARGET __attribute__((target("avx2,bmi,bmi2")))

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
        const uint64_t t1 = (h + wk[i] + (e & f) + (~e & g)) + (RotR64(e, 14) ^ RotR64(e, 18) ^ RotR64(e, 41)); \
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
        const uint64_t t1 = (h + w0[i] + (e & f) + (~e & g)) + (RotR64(e, 14) ^ RotR64(e, 18) ^ RotR64(e, 41)); \
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
    if (Cpu().avx512 && Cpu().bmi1 && Cpu().bmi2) return Sha512Avx512(hash, data, blocks);
    if (Cpu().avx2 && Cpu().bmi1 && Cpu().bmi2) return Sha512Avx2(hash, data, blocks);
    if (Cpu().bmi2) return Sha512Bmi2(hash, data, blocks);
#endif
    Sha512Portable(hash, data, blocks);
}

// --- Many messages in vector lanes ------------------------------------------------
// The rounds of the portable code above, on vectors holding the same word of four or
// eight messages.

#ifdef QUORVIX_X86
#pragma GCC diagnostic ignored "-Wpsabi"  // see LaneRotL
namespace {

template <int N, typename V>
__attribute__((always_inline)) inline V LaneRotR(V x) {
    return LaneRotL<64 - N>(x);
}

// A rotation by eight bits moves whole bytes: one byte shuffle instead of two shifts and an OR.
typedef uint8_t U8x32 __attribute__((vector_size(32)));
typedef uint8_t U8x64 __attribute__((vector_size(64)));

template <typename V>
__attribute__((always_inline)) inline V LaneRotR8(V x) {
    if constexpr (sizeof(V) == 32) {
        const U8x32 bytes = U8x32(x);
        return V(__builtin_shufflevector(bytes, bytes,
                                        1, 2, 3, 4, 5, 6, 7, 0, 9, 10, 11, 12, 13, 14, 15, 8,
                                        17, 18, 19, 20, 21, 22, 23, 16, 25, 26, 27, 28, 29, 30, 31, 24));
    } else {
        const U8x64 bytes = U8x64(x);
        return V(__builtin_shufflevector(bytes, bytes,
                                        1, 2, 3, 4, 5, 6, 7, 0, 9, 10, 11, 12, 13, 14, 15, 8,
                                        17, 18, 19, 20, 21, 22, 23, 16, 25, 26, 27, 28, 29, 30, 31, 24,
                                        33, 34, 35, 36, 37, 38, 39, 32, 41, 42, 43, 44, 45, 46, 47, 40,
                                        49, 50, 51, 52, 53, 54, 55, 48, 57, 58, 59, 60, 61, 62, 63, 56));
    }
}

// The round constants as the lanes need them, each repeated across a vector: added
// from memory, where a constant put together in a register would cost three operations.
struct WideConstants {
    alignas(64) uint64_t k[80][8];
    constexpr WideConstants() : k() {
        for (int t = 0; t < 80; ++t)
            for (int lane = 0; lane < 8; ++lane) k[t][lane] = kSha512K[t];
    }
};
constexpr WideConstants kSha512KWide;

// `ab` carries a ^ b from round to round: Maj(a, b, c) = b ^ ((a ^ b) & (b ^ c)), and this
// round's b ^ c is the last round's a ^ b.
template <int T, typename V>
__attribute__((always_inline)) inline void Sha512LaneRound(V (&v)[8], V (&w)[16], V& ab) {
    auto [a, b, c, d, e, f, g, h] = RolesOf<T>(v);
    (void)c;
    if constexpr (T >= 16) {
        const V w15 = w[(T + 1) & 15], w2 = w[(T + 14) & 15];
        w[T & 15] += (LaneRotR<19>(w2) ^ LaneRotR<61>(w2) ^ (w2 >> 6)) + w[(T + 9) & 15] +
                     (LaneRotR<1>(w15) ^ LaneRotR8(w15) ^ (w15 >> 7));
    }
    V k;
    std::memcpy(&k, kSha512KWide.k[T], sizeof k);
    const V t1 = h + (LaneRotR<14>(e) ^ LaneRotR<18>(e) ^ LaneRotR<41>(e)) + (g ^ (e & (f ^ g))) + (w[T & 15] + k);
    d += t1;
    const V bc = ab;
    ab = a ^ b;
    h = t1 + (LaneRotR<28>(a) ^ LaneRotR<34>(a) ^ LaneRotR<39>(a)) + (b ^ (ab & bc));
}

template <typename V, size_t... T>
__attribute__((always_inline)) inline void Sha512LaneBlock(V (&w)[16], V (&h)[8], std::index_sequence<T...>) {
    V v[8] = {h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7]};
    V ab = h[1] ^ h[2];
    (Sha512LaneRound<int(T)>(v, w, ab), ...);
    for (int i = 0; i < 8; ++i) h[i] += v[i];
}

// Word k of four lanes' 128-byte blocks, big-endian: each quarter of the blocks loaded
// as rows and turned into columns.
__attribute__((target("avx2"), always_inline)) inline void LoadLaneWords4x64(U64x4 (&w)[16], const uint8_t* const* data,
                                                                              size_t offset) {
    const __m256i swap = _mm256_set_epi64x(0x08090a0b0c0d0e0fLL, 0x0001020304050607LL, 0x08090a0b0c0d0e0fLL,
                                           0x0001020304050607LL);
    for (int quarter = 0; quarter < 4; ++quarter) {
        __m256i r[4];
        for (int l = 0; l < 4; ++l)
            r[l] = _mm256_shuffle_epi8(
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data[l] + offset + 32 * quarter)), swap);
        const __m256i t0 = _mm256_unpacklo_epi64(r[0], r[1]), t1 = _mm256_unpackhi_epi64(r[0], r[1]);
        const __m256i t2 = _mm256_unpacklo_epi64(r[2], r[3]), t3 = _mm256_unpackhi_epi64(r[2], r[3]);
        w[4 * quarter + 0] = U64x4(_mm256_permute2x128_si256(t0, t2, 0x20));
        w[4 * quarter + 1] = U64x4(_mm256_permute2x128_si256(t1, t3, 0x20));
        w[4 * quarter + 2] = U64x4(_mm256_permute2x128_si256(t0, t2, 0x31));
        w[4 * quarter + 3] = U64x4(_mm256_permute2x128_si256(t1, t3, 0x31));
    }
}

// Eight lanes: lanes 0-3 in the low half of each vector, 4-7 in the high half.
__attribute__((target("avx2"), always_inline)) inline void LoadLaneWords8x64(U64x8 (&w)[16], const uint8_t* const* data,
                                                                              size_t offset) {
    U64x4 low[16], high[16];
    LoadLaneWords4x64(low, data, offset);
    LoadLaneWords4x64(high, data + 4, offset);
    for (int k = 0; k < 16; ++k) {
        std::memcpy(&w[k], &low[k], sizeof low[k]);
        std::memcpy(reinterpret_cast<char*>(&w[k]) + sizeof low[k], &high[k], sizeof high[k]);
    }
}

__attribute__((target("avx2"))) void Sha512LanesAvx2(uint64_t* state, const uint8_t* const* data, size_t blocks) {
    QUORVIX_LANE_BLOCKS(U64x4, 8, LoadLaneWords4x64, Sha512LaneBlock(w, h, std::make_index_sequence<80>{}));
}
__attribute__((target("avx512f,avx512bw,avx512vl"))) void Sha512LanesAvx512(uint64_t* state, const uint8_t* const* data,
                                                                          size_t blocks) {
    QUORVIX_LANE_BLOCKS(U64x8, 8, LoadLaneWords8x64, Sha512LaneBlock(w, h, std::make_index_sequence<80>{}));
}

}  // namespace
#else
namespace {
constexpr LaneFn<uint64_t> Sha512LanesAvx2 = nullptr, Sha512LanesAvx512 = nullptr;
}  // namespace
#endif

const LaneFamily<uint64_t>& Sha384Lanes() {
    static constexpr LaneFamily<uint64_t> family{8, 6, true, kSha384Initial, Sha512Transform, Sha512LanesAvx2, 4,
                                                 Sha512LanesAvx512, 8, LanesBesideSha::Always};
    return family;
}

const LaneFamily<uint64_t>& Sha512Lanes() {
    static constexpr LaneFamily<uint64_t> family{8, 8, true, kSha512Initial, Sha512Transform, Sha512LanesAvx2, 4,
                                                 Sha512LanesAvx512, 8, LanesBesideSha::Always};
    return family;
}

// Variant 384 starts from SHA-384's initial values and prints six words; any other
// value is SHA-512.
void Sha512Init(Sha64State& state, uint32_t variant) {
    Start(state, variant == 384 ? kSha384Initial : kSha512Initial);
    state.digestWords = variant == 384 ? 6 : 8;
}

void Sha512Update(Sha64State& state, const uint8_t* data, uint32_t length) { Absorb(state, data, length, Sha512Transform); }

void Sha512Final(Sha64State& state, std::string& digest) {
    // The high half of the 128-bit length field stays zero.
    Pad(state, 16, Sha512Transform);
    WriteHexWords64(digest, state.hash, state.digestWords, true);
}

}  // namespace quorvix::digest
