#include "Adler.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUORVIX_X86 1
#endif

#include "CryptoUtils.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr uint32_t kModulus = 65521;
// The most bytes that can be summed before s2 could overflow 32 bits (zlib's NMAX).
// Reducing once per run gives the same sums as reducing after every byte.
constexpr uint32_t kRun = 5552;

void AdlerPortable(uint32_t& sum1, uint32_t& sum2, const uint8_t* data, uint32_t length) {
    uint32_t s1 = sum1, s2 = sum2;
    while (length > 0) {
        uint32_t run = length < kRun ? length : kRun;
        length -= run;
        for (; run >= 8; run -= 8, data += 8) {
            s1 += data[0]; s2 += s1;
            s1 += data[1]; s2 += s1;
            s1 += data[2]; s2 += s1;
            s1 += data[3]; s2 += s1;
            s1 += data[4]; s2 += s1;
            s1 += data[5]; s2 += s1;
            s1 += data[6]; s2 += s1;
            s1 += data[7]; s2 += s1;
        }
        for (; run > 0; --run) {
            s1 += *data++;
            s2 += s1;
        }
        s1 %= kModulus;
        s2 %= kModulus;
    }
    sum1 = s1;
    sum2 = s2;
}

#ifdef QUORVIX_X86
// 64 bytes a step: s1 gains the byte sum; s2 gains 64 x s1 before the step plus the
// bytes weighted 64..1. The per-lane sums stay far below 2^32 within a run.
__attribute__((target("avx2"))) uint32_t HorizontalSum(__m256i v) {
    __m128i sum = _mm_add_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0x4e));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0xb1));
    return uint32_t(_mm_cvtsi128_si32(sum));
}

// Adds `run` bytes (a multiple of 64, at most kRun) to the sums, 64 bytes a step.
template <bool Aligned>
__attribute__((target("avx2"), always_inline)) inline void AddRun(uint32_t& s1, uint32_t& s2, const uint8_t* bytes,
                                                                  uint32_t run) {
    const __m256i weightsHigh = _mm256_setr_epi8(64, 63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48,
                                                 47, 46, 45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33);
    const __m256i weightsLow = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16,
                                                15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i zero = _mm256_setzero_si256();
    s2 += s1 * run;  // s1 before the run, counted once per byte that follows
    __m256i byteSums = zero, previousSums = zero, weighted = zero;
    for (; run > 0; run -= 64, bytes += 64) {
        const auto* lines = reinterpret_cast<const __m256i*>(bytes);
        const __m256i a = Aligned ? _mm256_load_si256(lines) : _mm256_loadu_si256(lines);
        const __m256i b = Aligned ? _mm256_load_si256(lines + 1) : _mm256_loadu_si256(lines + 1);
        previousSums = _mm256_add_epi32(previousSums, byteSums);
        byteSums = _mm256_add_epi32(byteSums, _mm256_add_epi32(_mm256_sad_epu8(a, zero), _mm256_sad_epu8(b, zero)));
        // Pairs of products fit 16 bits signed; their sums are widened before adding.
        weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(a, weightsHigh), ones));
        weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(b, weightsLow), ones));
    }
    s1 += HorizontalSum(byteSums);
    s2 += HorizontalSum(_mm256_add_epi32(_mm256_slli_epi32(previousSums, 6), weighted));
    s1 %= kModulus;
    s2 %= kModulus;
}

// A piece of fewer than 64 bytes as one step behind zeros: leading zeros add nothing
// to s1 and s1 once each to s2, which is taken back.
__attribute__((target("avx2"))) void AddPiece(uint32_t& s1, uint32_t& s2, const uint8_t* data, uint32_t length) {
    alignas(32) uint8_t block[64] = {};
    std::memcpy(block + 64 - length, data, length);
    const uint32_t before = s1, padding = 64 - length;
    AddRun<true>(s1, s2, block, 64);
    s2 = (s2 + kModulus - padding * before % kModulus) % kModulus;
}

__attribute__((target("avx2"))) void AdlerAvx2(uint32_t& sum1, uint32_t& sum2, const uint8_t* data, uint32_t length) {
    uint32_t s1 = sum1, s2 = sum2;  // in registers, not through the references
    constexpr uint32_t kVectorRun = kRun / 64 * 64;  // 5504 bytes
    while (length >= 64) {
        const uint32_t run = length < kVectorRun ? length / 64 * 64 : kVectorRun;
        AddRun<false>(s1, s2, data, run);
        data += run;
        length -= run;
    }
    if (length >= 16)
        AddPiece(s1, s2, data, length);
    else
        AdlerPortable(s1, s2, data, length);
    sum1 = s1;
    sum2 = s2;
}
#endif

}  // namespace

void AdlerInit(uint32_t& state) { state = 1; }

void AdlerUpdate(uint32_t& state, const uint8_t* data, uint32_t length) {
    uint32_t s1 = state & 0xffff;
    uint32_t s2 = state >> 16;
#ifdef QUORVIX_X86
    if (length >= 64 && Cpu().avx2)
        AdlerAvx2(s1, s2, data, length);
    else
#endif
        AdlerPortable(s1, s2, data, length);
    state = (s2 << 16) | s1;
}

void AdlerFinal(uint32_t& state, std::string& digest) {
    uint8_t bytes[4];
    StoreBE32(bytes, state);
    WriteHexBytes(digest, bytes, 4);
}
