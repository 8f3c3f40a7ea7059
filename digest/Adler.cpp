#include "Adler.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// GCC 12's AVX-512 intrinsics warn of an uninitialised variable of their own when they
// are inlined (fixed in GCC 13); the warning is placed in the header, so it is turned
// off for the header's text only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
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

// AVX-512 with the VNNI dot product, 64 bytes a step in one register.
#define ADLER_VNNI_TARGET __attribute__((target("avx512f,avx512bw,avx512vl,avx512vnni")))

// The lane sums of a and of b, both reduced in one pass: the 64-bit lanes of a and b
// are interleaved, so each step's additions serve both.
ADLER_VNNI_TARGET inline void SumLanes(__m512i a, __m512i b, uint64_t& sumA, uint64_t& sumB) {
    __m512i v = _mm512_add_epi64(_mm512_unpacklo_epi64(a, b), _mm512_unpackhi_epi64(a, b));  // (a, b) pairs
    v = _mm512_add_epi64(v, _mm512_shuffle_i64x2(v, v, 0x4e));
    v = _mm512_add_epi64(v, _mm512_shuffle_i64x2(v, v, 0xb1));
    const __m128i pair = _mm512_castsi512_si128(v);
    sumA = uint64_t(_mm_cvtsi128_si64(pair));
    sumB = uint64_t(_mm_extract_epi64(pair, 1));
}

// Per lane: the byte sums, the sum of the byte sums before each block (for the 64 x s1
// that each block adds to s2), and the bytes weighted 64..1.
struct AdlerLanes {
    __m512i byteSums, previousSums, weighted;
};

ADLER_VNNI_TARGET inline void AddBlock(AdlerLanes& lanes, __m512i bytes, __m512i weights) {
    lanes.previousSums = _mm512_add_epi64(lanes.previousSums, lanes.byteSums);
    lanes.byteSums = _mm512_add_epi64(lanes.byteSums, _mm512_sad_epu8(bytes, _mm512_setzero_si512()));
    lanes.weighted = _mm512_dpbusd_epi32(lanes.weighted, bytes, weights);
}

// Four blocks at the given offsets from `block` into the four dot-product accumulators
// and the byte sums, in order.
#define ADLER_QUAD(A, B, C, D)                                 \
    "vmovdqa64 " A "(%[block]), %[bytes0]\n\t"                 \
    "vmovdqa64 " B "(%[block]), %[bytes1]\n\t"                 \
    "vmovdqa64 " C "(%[block]), %[bytes2]\n\t"                 \
    "vmovdqa64 " D "(%[block]), %[bytes3]\n\t"                 \
    "vpdpbusd %[weights], %[bytes0], %[weighted0]\n\t"         \
    "vpdpbusd %[weights], %[bytes1], %[weighted1]\n\t"         \
    "vpdpbusd %[weights], %[bytes2], %[weighted2]\n\t"         \
    "vpdpbusd %[weights], %[bytes3], %[weighted3]\n\t"         \
    "vpsadbw %[zero], %[bytes0], %[sad0]\n\t"                  \
    "vpsadbw %[zero], %[bytes1], %[sad1]\n\t"                  \
    "vpaddq %[sums], %[previous], %[previous]\n\t"             \
    "vpaddq %[sad0], %[sums], %[sums]\n\t"                     \
    "vpaddq %[sums], %[previous], %[previous]\n\t"             \
    "vpaddq %[sad1], %[sums], %[sums]\n\t"                     \
    "vpsadbw %[zero], %[bytes2], %[sad0]\n\t"                  \
    "vpsadbw %[zero], %[bytes3], %[sad1]\n\t"                  \
    "vpaddq %[sums], %[previous], %[previous]\n\t"             \
    "vpaddq %[sad0], %[sums], %[sums]\n\t"                     \
    "vpaddq %[sums], %[previous], %[previous]\n\t"             \
    "vpaddq %[sad1], %[sums], %[sums]\n\t"

// Whole aligned blocks from `block` to `end`, written out: the dot product's five-cycle
// latency needs four accumulators to keep up, and GCC 12 would copy each accumulator
// through another register on every pass. A kilobyte a pass, then what is left four
// blocks a pass, so that neither loop runs more than a few passes for a few kilobytes:
// the processor does not foresee the end of a loop of a dozen passes or more, and the
// miss costs as much as a tenth of a 4 KiB call. The main loop starts on a 64-byte
// boundary, so that its speed does not depend on where the linker put it.
ADLER_VNNI_TARGET inline void AddBlocks(AdlerLanes& lanes, const uint8_t* block, const uint8_t* end,
                                        __m512i weights) {
    for (; (end - block) % 256 != 0; block += 64) AddBlock(lanes, _mm512_load_si512(block), weights);
    if (block == end) return;
    const uint8_t* const kilobytes = block + (end - block) / 1024 * 1024;
    const __m512i zero = _mm512_setzero_si512();
    __m512i weighted1 = zero, weighted2 = zero, weighted3 = zero, bytes0, bytes1, bytes2, bytes3, sad0, sad1;
    __asm__(
        "cmp %[kilobytes], %[block]\n\t"
        "jae 2f\n\t"
        ".p2align 6\n"
        "1:\n\t"
        ADLER_QUAD("0", "64", "128", "192")
        ADLER_QUAD("256", "320", "384", "448")
        ADLER_QUAD("512", "576", "640", "704")
        ADLER_QUAD("768", "832", "896", "960")
        "add $1024, %[block]\n\t"
        "cmp %[kilobytes], %[block]\n\t"
        "jb 1b\n"
        "2:\n\t"
        "cmp %[end], %[block]\n\t"
        "jae 4f\n"
        "3:\n\t"
        ADLER_QUAD("0", "64", "128", "192")
        "add $256, %[block]\n\t"
        "cmp %[end], %[block]\n\t"
        "jb 3b\n"
        "4:"
        // Early-clobber throughout: the accumulators start out equal to `zero`, and an
        // input of equal value may otherwise be given the same register.
        : [block] "+&r"(block), [sums] "+&v"(lanes.byteSums), [previous] "+&v"(lanes.previousSums),
          [weighted0] "+&v"(lanes.weighted), [weighted1] "+&v"(weighted1), [weighted2] "+&v"(weighted2),
          [weighted3] "+&v"(weighted3), [bytes0] "=&v"(bytes0), [bytes1] "=&v"(bytes1), [bytes2] "=&v"(bytes2),
          [bytes3] "=&v"(bytes3), [sad0] "=&v"(sad0), [sad1] "=&v"(sad1)
        : [kilobytes] "r"(kilobytes), [end] "r"(end), [zero] "v"(zero), [weights] "v"(weights)
        : "cc", "memory");
    lanes.weighted =
        _mm512_add_epi32(_mm512_add_epi32(lanes.weighted, weighted1), _mm512_add_epi32(weighted2, weighted3));
}
#undef ADLER_QUAD

// Every load is aligned: the blocks run from the 64-byte boundary at or below the data
// to the one at or above its end, and the bytes outside the data are masked off (never
// read). The zeros before the data add s1 (as it was before them) to s2 once each, those
// after it s1 as it is at the end; both are taken back at the end. The packed state is
// read and written here, so that the update reaches this code by a jump, not a call.
ADLER_VNNI_TARGET void AdlerVnni(uint32_t& state, const uint8_t* data, uint32_t length) {
    const uint32_t sum1 = state & 0xffff, sum2 = state >> 16;
    const __m512i weights = _mm512_set_epi8(
        1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
        32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59,
        60, 61, 62, 63, 64);
    const uint32_t lead = uint32_t(reinterpret_cast<uintptr_t>(data) & 63);
    const uint8_t* block = data - lead;
    const uint64_t span = uint64_t(lead) + length;
    const uint64_t blocks = (span + 63) / 64;
    const uint32_t trail = uint32_t(blocks * 64 - span);
    const uint8_t* const lastBlock = block + 64 * (blocks - 1);
    const uint64_t before = sum1;
    uint64_t s1 = sum1, s2 = sum2;
    constexpr uint64_t kBlocksPerRun = kRun / 64;
    while (true) {
        const uint64_t left = uint64_t(lastBlock - block) / 64 + 1;
        const uint64_t run = left < kBlocksPerRun ? left : kBlocksPerRun;
        s2 += s1 * run * 64;
        const __m512i zero = _mm512_setzero_si512();
        AdlerLanes lanes{zero, zero, zero};
        const uint8_t* const runEnd = block + 64 * run;
        if (block == data - lead) {
            __mmask64 mask = ~uint64_t(0) << lead;
            if (block == lastBlock) mask &= ~uint64_t(0) >> trail;
            AddBlock(lanes, _mm512_maskz_loadu_epi8(mask, block), weights);
            block += 64;
        }
        const bool last = runEnd > lastBlock && block <= lastBlock;
        AddBlocks(lanes, block, last ? lastBlock : runEnd, weights);
        block = last ? lastBlock : runEnd;
        if (last) {
            AddBlock(lanes, _mm512_maskz_loadu_epi8(~uint64_t(0) >> trail, block), weights);
            block += 64;
        }
        // Within a run every sum fits its lanes: the weighted sums widened to 64 bits,
        // the previous sums times 64.
        const __m512i low32 = _mm512_set1_epi64(0xffffffff);
        const __m512i weighted = _mm512_add_epi64(_mm512_and_si512(lanes.weighted, low32),
                                                  _mm512_srli_epi64(lanes.weighted, 32));
        uint64_t byteSum = 0, s2Gain = 0;
        SumLanes(lanes.byteSums, _mm512_add_epi64(_mm512_slli_epi64(lanes.previousSums, 6), weighted), byteSum,
                 s2Gain);
        s1 += byteSum;
        s2 += s2Gain;
        if (block > lastBlock) break;
        s1 %= kModulus;
        s2 %= kModulus;
    }
    // A multiple of the modulus larger than both corrections keeps the difference positive.
    s2 += uint64_t(kModulus) * 1500 - lead * before - trail * s1;
    state = uint32_t(s2 % kModulus) << 16 | uint32_t(s1 % kModulus);
}
#endif

}  // namespace

void AdlerInit(uint32_t& state) { state = 1; }

void AdlerUpdate(uint32_t& state, const uint8_t* data, uint32_t length) {
#ifdef QUORVIX_X86
    // Below a few blocks the 256-bit code's shorter set-up wins.
    if (length >= 512 && Cpu().vnni) return AdlerVnni(state, data, length);
#endif
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
