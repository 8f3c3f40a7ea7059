// Many messages side by side, one per vector lane.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "Cpu.h"
#include "Intrinsics.h"

struct HashMessage;

namespace quorvix::digest {

// A digest whose chaining words (32 or 64 bits) can be computed for many messages at
// once, one message per vector lane: each vector holds the same word of every message.
// The 32-bit families run sixteen messages side by side: in the lanes of one AVX-512
// vector, or of two AVX2 vectors whose operations interleave (one alone would wait on
// each step's result); SHA-384/512 runs four in AVX2's lanes, eight in AVX-512's.
constexpr unsigned kMaxLanes = 16;
// Compresses `blocks` consecutive blocks of each of the function's lanes. The state is
// word-major, state[word * lanes + lane]; data[lane] points at the lane's first block.
template <typename Word>
using LaneFn = void (*)(Word* state, const uint8_t* const* data, size_t blocks);
// SHA-1 and SHA-256 have instructions of their own for one message at a time.
enum class LanesBesideSha {
    Always,           // no such instructions (MD5, SHA-384/512)
    Never,            // as fast alone (SHA-256): lanes only on processors without them
    WhereUnitShared,  // faster only where the SHA unit is shared with the schedule (SHA-1)
};

template <typename Word>
struct LaneFamily {
    // A block is sixteen words; the length field at its end, two.
    static constexpr size_t kBlock = 16 * sizeof(Word);
    uint8_t words;            // chaining words: 4 (MD5), 5 (SHA-1), 8 (SHA-256, SHA-384/512)
    uint8_t digestWords;      // of which the digest prints: 6 for SHA-384, else all
    bool bigEndian;           // byte order of the message words, the length field and the digest
    const Word* initial;      // the chaining words a message starts from
    // One message's blocks, for the few messages still running after the others ended.
    void (*single)(Word* hash, const uint8_t* data, size_t blocks);
    LaneFn<Word> avx2;        // null where the lanes are not built (other processors)
    unsigned avx2Lanes;
    LaneFn<Word> avx512;
    unsigned avx512Lanes;
    // Whether AVX2's lanes beat the SHA instructions' one message where both are there.
    LanesBesideSha besideSha;
};

// The messages the processor in use digests side by side with the family: its lanes,
// or 1 (one message at a time: no lanes on this processor, or none faster than one message).
template <typename Word>
unsigned LaneCount(const LaneFamily<Word>& family);

// Digests each whole message of `messages` into `digests`, a lane each.
template <typename Word>
void DigestInLanes(const LaneFamily<Word>& family, const ::HashMessage* messages, size_t count, std::string* digests);

// What the interface needs of a family, whatever its word size: kLanesOf<Md5Lanes>.
struct LaneUse {
    unsigned (*count)();
    void (*digest)(const ::HashMessage* messages, size_t count, std::string* digests);
};
template <auto Family>
constexpr LaneUse kLanesOf{[] { return LaneCount(Family()); },
                           [](const ::HashMessage* messages, size_t count, std::string* digests) {
                               DigestInLanes(Family(), messages, count, digests);
                           }};

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Vectors of lanes, written with GCC's vector extensions so that one round function
// serves both widths; the target of the function it is inlined into picks the code.
typedef uint32_t U32x8 __attribute__((vector_size(32)));
typedef uint32_t U32x16 __attribute__((vector_size(64)));
typedef uint64_t U64x4 __attribute__((vector_size(32)));
typedef uint64_t U64x8 __attribute__((vector_size(64)));

// Lane code is always inlined into functions of the vectors' width, so GCC's warning
// that passing such vectors by value differs between targets does not apply to it;
// units with lane code turn it off as well.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
template <int S, typename V>
__attribute__((always_inline)) inline V LaneRotL(V x) {
    constexpr int kBits = 8 * sizeof(x[0]);
    return (x << S) | (x >> (kBits - S));
}
#pragma GCC diagnostic pop

// The body of a lane function (a LaneFn): for each of `blocks` blocks, every lane's
// words turned into columns `w` by LOAD, then COMPRESS, which adds them into the
// chaining words `h`. A macro, so that all of it takes the function's target.
#define QUORVIX_LANE_BLOCKS(V, Words, LOAD, COMPRESS)         \
    V h[Words];                                                \
    std::memcpy(h, state, sizeof h);                           \
    for (size_t block = 0; block < blocks; ++block) {          \
        V w[16];                                               \
        LOAD(w, data, 16 * sizeof(w[0][0]) * block);                             \
        COMPRESS;                                              \
    }                                                          \
    std::memcpy(state, h, sizeof h)

// Word k of every lane's 64-byte block: eight lanes' blocks turned from rows into columns,
// each word read in the family's byte order.
template <bool BigEndian>
__attribute__((target("avx2"), always_inline)) inline void LoadLaneWords8(U32x8 (&w)[16], const uint8_t* const* data,
                                                                           size_t offset) {
    for (int half = 0; half < 2; ++half) {
        __m256i r[8], t[8], u[8];
        for (int l = 0; l < 8; ++l) {
            r[l] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data[l] + offset + 32 * half));
            if (BigEndian)
                r[l] = _mm256_shuffle_epi8(r[l], _mm256_set_epi8(12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3, 12, 13,
                                                                 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3));
        }
        for (int i = 0; i < 8; i += 2) {
            t[i] = _mm256_unpacklo_epi32(r[i], r[i + 1]);
            t[i + 1] = _mm256_unpackhi_epi32(r[i], r[i + 1]);
        }
        for (int i = 0; i < 8; i += 4) {
            u[i] = _mm256_unpacklo_epi64(t[i], t[i + 2]);
            u[i + 1] = _mm256_unpackhi_epi64(t[i], t[i + 2]);
            u[i + 2] = _mm256_unpacklo_epi64(t[i + 1], t[i + 3]);
            u[i + 3] = _mm256_unpackhi_epi64(t[i + 1], t[i + 3]);
        }
        for (int k = 0; k < 4; ++k) {
            w[8 * half + k] = U32x8(_mm256_permute2x128_si256(u[k], u[k + 4], 0x20));
            w[8 * half + k + 4] = U32x8(_mm256_permute2x128_si256(u[k], u[k + 4], 0x31));
        }
    }
}

// Sixteen lanes' words in two AVX2 vectors each: lanes 0-7, then 8-15.
template <bool BigEndian>
__attribute__((target("avx2"), always_inline)) inline void LoadLaneWords16Avx2(U32x16 (&w)[16],
                                                                                const uint8_t* const* data, size_t offset) {
    U32x8 low[16], high[16];
    LoadLaneWords8<BigEndian>(low, data, offset);
    LoadLaneWords8<BigEndian>(high, data + 8, offset);
    for (int k = 0; k < 16; ++k) {
        std::memcpy(&w[k], &low[k], sizeof low[k]);
        std::memcpy(reinterpret_cast<char*>(&w[k]) + sizeof low[k], &high[k], sizeof high[k]);
    }
}

// The same for sixteen lanes of AVX-512.
template <bool BigEndian>
__attribute__((target("avx512f,avx512bw"), always_inline)) inline void LoadLaneWords16Avx512(
    U32x16 (&w)[16], const uint8_t* const* data, size_t offset) {
    __m512i r[16], t[16], u[16];
    const __m512i swap = _mm512_broadcast_i32x4(_mm_set_epi8(12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3));
    for (int l = 0; l < 16; ++l) {
        r[l] = _mm512_loadu_si512(data[l] + offset);
        if (BigEndian) r[l] = _mm512_shuffle_epi8(r[l], swap);
    }
    for (int i = 0; i < 16; i += 2) {
        t[i] = _mm512_unpacklo_epi32(r[i], r[i + 1]);
        t[i + 1] = _mm512_unpackhi_epi32(r[i], r[i + 1]);
    }
    for (int i = 0; i < 16; i += 4) {
        u[i] = _mm512_unpacklo_epi64(t[i], t[i + 2]);
        u[i + 1] = _mm512_unpackhi_epi64(t[i], t[i + 2]);
        u[i + 2] = _mm512_unpacklo_epi64(t[i + 1], t[i + 3]);
        u[i + 3] = _mm512_unpackhi_epi64(t[i + 1], t[i + 3]);
    }
    // u[4m + k] holds, in its 128-bit chunk j, word 4j + k of lanes 4m .. 4m + 3.
    for (int k = 0; k < 4; ++k) {
        const __m512i low01 = _mm512_shuffle_i32x4(u[k], u[k + 4], 0x44), high01 = _mm512_shuffle_i32x4(u[k], u[k + 4], 0xee);
        const __m512i low23 = _mm512_shuffle_i32x4(u[k + 8], u[k + 12], 0x44),
                      high23 = _mm512_shuffle_i32x4(u[k + 8], u[k + 12], 0xee);
        w[k] = U32x16(_mm512_shuffle_i32x4(low01, low23, 0x88));
        w[k + 4] = U32x16(_mm512_shuffle_i32x4(low01, low23, 0xdd));
        w[k + 8] = U32x16(_mm512_shuffle_i32x4(high01, high23, 0x88));
        w[k + 12] = U32x16(_mm512_shuffle_i32x4(high01, high23, 0xdd));
    }
}
#endif

}  // namespace quorvix::digest
