#include "Adler.h"

#include <cstdint>
#include <cstring>

#include "Cpu.h"
#include "Hex.h"
#include "Intrinsics.h"
#include "Words.h"

namespace quorvix::digest {
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

#if defined(__SSE2__)
// With SSE2, part of every x86-64 processor: 16 bytes a step, without the chain of one
// addition per byte. s1 gains the step's byte sum (PSADBW); s2 gains 16 x s1 before the
// step plus the bytes weighted 16..1 (bytes widened to 16 bits, PMADDWD). Per-lane sums
// stay far below 2^32 within a run.
void AdlerSse2(uint32_t& sum1, uint32_t& sum2, const uint8_t* data, uint32_t length) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i weightsFirst = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i weightsLast = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    uint32_t s1 = sum1, s2 = sum2;
    while (length >= 16) {
        uint32_t run = length < kRun ? length / 16 * 16 : kRun / 16 * 16;
        length -= run;
        s2 += s1 * run;  // s1 before the run, counted once per byte that follows
        __m128i byteSums = zero, previousSums = zero, weighted = zero;
        for (; run > 0; run -= 16, data += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
            previousSums = _mm_add_epi32(previousSums, byteSums);
            byteSums = _mm_add_epi32(byteSums, _mm_sad_epu8(v, zero));
            weighted = _mm_add_epi32(weighted, _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(v, zero), weightsFirst),
                                                             _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), weightsLast)));
        }
        const auto total = [](__m128i v) {
            v = _mm_add_epi32(v, _mm_shuffle_epi32(v, 0x4e));
            return uint32_t(_mm_cvtsi128_si32(_mm_add_epi32(v, _mm_shuffle_epi32(v, 0xb1))));
        };
        s1 += total(byteSums);
        s2 += total(_mm_add_epi32(_mm_slli_epi32(previousSums, 4), weighted));
        s1 %= kModulus;
        s2 %= kModulus;
    }
    AdlerPortable(s1, s2, data, length);
    sum1 = s1;
    sum2 = s2;
}
#endif

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
//
// Each 64-byte block adds its byte sum to s1, and to s2 64 x s1 as it was before the
// block plus its bytes weighted 64..1. Per 64-bit lane the update keeps the byte sums,
// the sum of those before each block, and the weighted sums (in 32-bit halves), all
// unreduced. The state keeps the same in three vectors between updates (the second as
// 64 x the sum before each block, less the corrections below), so that a message given
// in pieces is reduced once, in the final.
//
// Every load is aligned: an update's blocks run from the 64-byte boundary at or below
// its data to the one at or above its end, and the bytes outside the data are masked off
// (never read). Each zero in their place adds the running s1 to s2, which is taken back:
// the part in the lanes (their byte sums at that point) from the state's second vector,
// the part in the reduced sums (padding x s1) when the lanes are reduced.
#define ADLER_VNNI_TARGET __attribute__((target("avx512f,avx512bw,avx512vl,avx512vnni")))

// At most this many blocks go into the lanes between reductions: each 32-bit lane of the
// weighted sums gains under 64 000 a block.
constexpr uint32_t kBlocksBetweenReductions = 32768;

// One update's sums, begun from zero, so that its blocks need not wait for the previous
// update's; the dot product's five-cycle latency needs four accumulators to keep up.
struct UpdateLanes {
    __m512i byteSums, previousSums, weighted0, weighted1, weighted2, weighted3;
};

ADLER_VNNI_TARGET inline void AddBlock(UpdateLanes& lanes, __m512i bytes, __m512i weights, __m512i& weighted) {
    lanes.previousSums = _mm512_add_epi64(lanes.previousSums, lanes.byteSums);
    lanes.byteSums = _mm512_add_epi64(lanes.byteSums, _mm512_sad_epu8(bytes, _mm512_setzero_si512()));
    weighted = _mm512_dpbusd_epi32(weighted, bytes, weights);
}

// One block at offset OFFSET from `block` into accumulator W. Every block's code has the
// same length (the displacement is always one byte), so that the loop can be entered at
// any block by computing the address.
#define ADLER_BLOCK(OFFSET, W)                               \
    "%{disp8%} vmovdqa64 " OFFSET "(%[block]), %[bytes]\n\t"   \
    "vpdpbusd %[weights], %[bytes], %[" W "]\n\t"            \
    "vpsadbw %[zero], %[bytes], %[sad]\n\t"                  \
    "vpaddq %[sums], %[previous], %[previous]\n\t"           \
    "vpaddq %[sad], %[sums], %[sums]\n\t"

// The GNU assembler checks that every block's code has the same length; LLVM's cannot
// evaluate the label differences in .if, and clang builds rely on GCC's check.
#if defined(__clang__)
#define ADLER_CHECK_BLOCK_LENGTHS
#else
#define ADLER_CHECK_BLOCK_LENGTHS                      \
    ".if (5b - 4b) - (3b - 1b)\n\t"                    \
    ".error \"the blocks' code differs in length\"\n\t" \
    ".endif\n\t"
#endif

// Whole aligned blocks from `block` to `end`, written out: GCC 12 would copy each
// accumulator through another register on every pass. Sixteen blocks a pass, the odd
// ones by entering the first pass part way through, so that a few kilobytes take a few
// passes of one loop: the processor does not foresee the end of a loop of a dozen passes
// or more, nor cheaply that of a second loop, and either costs a tenth of a 4 KiB update.
// The loop starts on a 64-byte boundary, so that its speed does not depend on where the
// linker put it.
ADLER_VNNI_TARGET inline void AddBlocks(UpdateLanes& lanes, const uint8_t* block, const uint8_t* end,
                                        __m512i weights) {
    if (block == end) return;
    size_t skipped = (16 - size_t(end - block) / 64 % 16) % 16;  // blocks of the first pass not taken
    block -= skipped * 64;
    const __m512i zero = _mm512_setzero_si512();
    __m512i bytes, sad;
    uintptr_t entry;
    __asm__(
        "lea 1f(%%rip), %[entry]\n\t"
        "imul $(3f - 1f), %[skipped], %[skipped]\n\t"
        "add %[skipped], %[entry]\n\t"
        "jmp *%[entry]\n\t"
        ".p2align 6\n"
        "1:\n\t"
        ADLER_BLOCK("0", "weighted0")
        "3:\n\t"
        ADLER_BLOCK("64", "weighted1")
        ADLER_BLOCK("128", "weighted2")
        ADLER_BLOCK("192", "weighted3")
        ADLER_BLOCK("256", "weighted0")
        ADLER_BLOCK("320", "weighted1")
        ADLER_BLOCK("384", "weighted2")
        ADLER_BLOCK("448", "weighted3")
        ADLER_BLOCK("512", "weighted0")
        ADLER_BLOCK("576", "weighted1")
        ADLER_BLOCK("640", "weighted2")
        ADLER_BLOCK("704", "weighted3")
        ADLER_BLOCK("768", "weighted0")
        ADLER_BLOCK("832", "weighted1")
        ADLER_BLOCK("896", "weighted2")
        "4:\n\t"
        ADLER_BLOCK("960", "weighted3")
        "5:\n\t"
        ADLER_CHECK_BLOCK_LENGTHS
        "add $1024, %[block]\n\t"
        "cmp %[end], %[block]\n\t"
        "jb 1b\n"
        // Early-clobber throughout: an accumulator may start out equal to `zero`, and an
        // input of equal value could otherwise be given the same register.
        : [block] "+&r"(block), [skipped] "+&r"(skipped), [entry] "=&r"(entry), [sums] "+&v"(lanes.byteSums),
          [previous] "+&v"(lanes.previousSums), [weighted0] "+&v"(lanes.weighted0),
          [weighted1] "+&v"(lanes.weighted1), [weighted2] "+&v"(lanes.weighted2),
          [weighted3] "+&v"(lanes.weighted3), [bytes] "=&v"(bytes), [sad] "=&v"(sad)
        : [end] "r"(end), [zero] "v"(zero), [weights] "v"(weights)
        : "cc", "memory");
}
#undef ADLER_BLOCK
#undef ADLER_CHECK_BLOCK_LENGTHS

// The state's vectors: byte sums, 64 x previous sums less corrections, weighted sums.
ADLER_VNNI_TARGET inline __m512i* KeptLanes(AdlerState& state) { return reinterpret_cast<__m512i*>(state.lanes); }

// Lanes holding nothing: a message's first long update, and after each reduction.
ADLER_VNNI_TARGET inline void EmptyLanes(AdlerState& state) {
    state.blocks = 0;
    state.padding = 0;
    state.trailingZeros = 0;
    for (int i = 0; i < 3; ++i) _mm512_store_si512(KeptLanes(state) + i, _mm512_setzero_si512());
}

// Adds an update's lanes to the state's. Its blocks followed `zeros` zeros at which the
// byte sums were the state's, and each of its `blocks` blocks counts those 64 times.
ADLER_VNNI_TARGET inline void MergeLanes(AdlerState& state, const UpdateLanes& lanes, uint32_t blocks, uint32_t zeros) {
    __m512i* kept = KeptLanes(state);
    const __m512i before = _mm512_load_si512(kept);
    // Signed: one block may hold more zeros than 64 (its own and the last update's).
    const __m512i times = _mm512_set1_epi64(int64_t(64) * blocks - zeros);
    _mm512_store_si512(kept, _mm512_add_epi64(before, lanes.byteSums));
    _mm512_store_si512(kept + 1, _mm512_add_epi64(_mm512_load_si512(kept + 1),
                                                  _mm512_add_epi64(_mm512_slli_epi64(lanes.previousSums, 6),
                                                                   _mm512_mul_epi32(before, times))));
    const __m512i weighted = _mm512_add_epi32(_mm512_add_epi32(lanes.weighted0, lanes.weighted1),
                                              _mm512_add_epi32(lanes.weighted2, lanes.weighted3));
    _mm512_store_si512(kept + 2, _mm512_add_epi32(_mm512_load_si512(kept + 2), weighted));
}

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

// Adds the state's lanes to the reduced sums and empties them, the zeros after the last
// update counted. Exact in 64 bits: every term stays far below 2^63 between reductions,
// and the lane-wise differences that may wrap add up to the true, non-negative total.
ADLER_VNNI_TARGET void ReduceLanes(AdlerState& state) {
    __m512i* kept = KeptLanes(state);
    const __m512i byteSums = _mm512_load_si512(kept);
    const __m512i packed = _mm512_load_si512(kept + 2);
    const __m512i low32 = _mm512_set1_epi64(0xffffffff);
    const __m512i weighted = _mm512_add_epi64(_mm512_and_si512(packed, low32), _mm512_srli_epi64(packed, 32));
    const __m512i zeros = _mm512_mul_epu32(byteSums, _mm512_set1_epi64(state.trailingZeros));
    const __m512i s2Lanes = _mm512_sub_epi64(_mm512_add_epi64(_mm512_load_si512(kept + 1), weighted), zeros);
    uint64_t byteSum = 0, s2Gain = 0;
    SumLanes(byteSums, s2Lanes, byteSum, s2Gain);
    const uint64_t s1Before = state.sums & 0xffff, s2Before = state.sums >> 16;
    const uint64_t s1 = s1Before + byteSum;
    const uint64_t s2 = s2Before + s2Gain + s1Before * (64 * uint64_t(state.blocks) - state.padding);
    state.sums = uint32_t(s2 % kModulus) << 16 | uint32_t(s1 % kModulus);
    EmptyLanes(state);
}

ADLER_VNNI_TARGET inline __m512i Weights() {
    return _mm512_set_epi8(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                           26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
                           49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64);
}

// An update whose blocks all fit in the lanes.
ADLER_VNNI_TARGET inline void AddWithRoom(AdlerState& state, const uint8_t* data, uint32_t length) {
    const __m512i weights = Weights();
    const uint32_t lead = uint32_t(reinterpret_cast<uintptr_t>(data) & 63);
    const uint32_t blocks = uint32_t((uint64_t(lead) + length + 63) / 64);
    const uint32_t trail = blocks * 64 - lead - length;
    const uint8_t* const firstBlock = data - lead;
    const uint8_t* const lastBlock = firstBlock + 64 * (blocks - 1);
    const __m512i zero = _mm512_setzero_si512();
    UpdateLanes lanes{zero, zero, zero, zero, zero, zero};
    const __mmask64 leadMask = ~uint64_t(0) << lead, trailMask = ~uint64_t(0) >> trail;
    if (blocks == 1) {
        AddBlock(lanes, _mm512_maskz_loadu_epi8(leadMask & trailMask, firstBlock), weights, lanes.weighted3);
    } else {
        AddBlock(lanes, _mm512_maskz_loadu_epi8(leadMask, firstBlock), weights, lanes.weighted3);
        AddBlocks(lanes, firstBlock + 64, lastBlock, weights);
        AddBlock(lanes, _mm512_maskz_loadu_epi8(trailMask, lastBlock), weights, lanes.weighted3);
    }
    MergeLanes(state, lanes, blocks, state.trailingZeros + lead);
    state.blocks += blocks;
    state.padding += lead + trail;
    state.trailingZeros = trail;
}

// The first update of a message, and those whose blocks would overfill the lanes: split
// at 64-byte boundaries into parts that fit, the lanes reduced when full.
ADLER_VNNI_TARGET __attribute__((noinline)) void AddInParts(AdlerState& state, const uint8_t* data,
                                                              uint32_t length) {
    if (!state.lanesInUse) {
        state.lanesInUse = true;
        EmptyLanes(state);
    }
    while (length > 0) {
        if (state.blocks == kBlocksBetweenReductions) ReduceLanes(state);
        const uint64_t room = uint64_t(kBlocksBetweenReductions - state.blocks) * 64 -
                              (reinterpret_cast<uintptr_t>(data) & 63);
        const uint32_t part = room < length ? uint32_t(room) : length;
        AddWithRoom(state, data, part);
        data += part;
        length -= part;
    }
}

// Any update once the lanes are in use, and the first long one.
ADLER_VNNI_TARGET void AddToLanes(AdlerState& state, const uint8_t* data, uint32_t length) {
    const uint64_t blocks = ((reinterpret_cast<uintptr_t>(data) & 63) + uint64_t(length) + 63) / 64;
    if (!state.lanesInUse || state.blocks + blocks > kBlocksBetweenReductions || length == 0) [[unlikely]]
        return AddInParts(state, data, length);
    AddWithRoom(state, data, length);
}
#endif

}  // namespace

void AdlerInit(AdlerState& state, uint32_t) {
    state.sums = 1;
    state.lanesInUse = false;
}

// Once a message has taken the lanes they serve every update to the final, even if the
// features are restricted meanwhile, which only tests do.
void AdlerUpdate(AdlerState& state, const uint8_t* data, uint32_t length) {
#ifdef QUORVIX_X86
    // Below a few blocks the 256-bit code's shorter set-up wins.
    if (state.lanesInUse || (length >= 512 && Cpu().vnni)) return AddToLanes(state, data, length);
#endif
    uint32_t s1 = state.sums & 0xffff;
    uint32_t s2 = state.sums >> 16;
    if (length < 16) {  // a few bytes: no call, and s1 stays below twice the modulus
        for (uint32_t i = 0; i < length; ++i) s2 += s1 += data[i];
        state.sums = ((s2 % kModulus) << 16) | (s1 >= kModulus ? s1 - kModulus : s1);
        return;
    }
#ifdef QUORVIX_X86
    if (length >= 64 && Cpu().avx2)
        AdlerAvx2(s1, s2, data, length);
    else
#endif
#if defined(__SSE2__)
    if (length >= 16)
        AdlerSse2(s1, s2, data, length);
    else
#endif
        AdlerPortable(s1, s2, data, length);
    state.sums = (s2 << 16) | s1;
}

void AdlerFinal(AdlerState& state, std::string& digest) {
#ifdef QUORVIX_X86
    if (state.lanesInUse) {
        ReduceLanes(state);
        state.lanesInUse = false;
    }
#endif
    WriteHex4Bytes(digest, Swap32(state.sums));  // printed most significant byte first
}

}  // namespace quorvix::digest
