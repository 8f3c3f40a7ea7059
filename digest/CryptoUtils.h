// Word and byte helpers shared by every algorithm unit.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// GCC 12's AVX-512 intrinsics warn of an uninitialised variable of their own when they
// are inlined (fixed in GCC 13); the warning is placed in the header, so it is turned
// off for the header's text only.
#pragma GCC diagnostic push
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

// The lowest 4 × count bits of value as fixed-width lowercase hex, most significant first.
std::string HexDigits(uint64_t value, uint8_t count);
// The text becomes each byte as two lowercase hex digits.
void WriteHexBytes(std::string& text, const uint8_t* bytes, size_t count);
// The text becomes the bytes of `count` words, each least or most significant byte
// first. The words are read as words: a final's chaining values go to the digits
// without a trip through a byte array.
void WriteHexWords32(std::string& text, const uint32_t* words, size_t count, bool bigEndian);
void WriteHexWords64(std::string& text, const uint64_t* words, size_t count, bool bigEndian);

constexpr uint32_t RotL32(uint32_t word, uint8_t count) {
    count &= 31;
    return count ? (word << count) | (word >> (32 - count)) : word;
}
constexpr uint32_t RotR32(uint32_t word, uint8_t count) {
    count &= 31;
    return count ? (word >> count) | (word << (32 - count)) : word;
}
constexpr uint64_t RotR64(uint64_t word, uint8_t count) {
    count &= 63;
    return count ? (word >> count) | (word << (64 - count)) : word;
}
constexpr uint32_t Swap32(uint32_t word) {
    return (word >> 24) | ((word >> 8) & 0xff00u) | ((word << 8) & 0xff0000u) | (word << 24);
}
constexpr uint64_t Swap64(uint64_t word) {
    return (uint64_t(Swap32(uint32_t(word))) << 32) | Swap32(uint32_t(word >> 32));
}

// Loads and stores of words in a fixed byte order from unaligned memory; the
// compiler turns each into a single move (plus bswap) on x86-64.
inline uint32_t LoadLE32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint32_t LoadBE32(const uint8_t* p) {
    return uint32_t(p[3]) | uint32_t(p[2]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[0]) << 24;
}
inline uint64_t LoadLE64(const uint8_t* p) {
    return uint64_t(LoadLE32(p)) | uint64_t(LoadLE32(p + 4)) << 32;
}
inline uint64_t LoadBE64(const uint8_t* p) {
    return uint64_t(LoadBE32(p)) << 32 | LoadBE32(p + 4);
}
inline void StoreLE32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); p[2] = uint8_t(v >> 16); p[3] = uint8_t(v >> 24);
}
inline void StoreLE64(uint8_t* p, uint64_t v) {
    StoreLE32(p, uint32_t(v));
    StoreLE32(p + 4, uint32_t(v >> 32));
}
inline void StoreBE32(uint8_t* p, uint32_t v) { StoreLE32(p, Swap32(v)); }
inline void StoreBE64(uint8_t* p, uint64_t v) { StoreLE64(p, Swap64(v)); }

// Zeroes a record 64 bytes at a time: GCC expands a larger fixed-size memset into a
// string store, whose start-up cost is felt on every short message.
template <typename T>
inline void Wipe(T& record) {
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    size_t left = sizeof(T);
    for (; left >= 64; left -= 64, bytes += 64) std::memset(bytes, 0, 64);
    std::memset(bytes, 0, left);
}

// Lays out the end of a message for its last compression: the `fill` buffered bytes
// (0 .. Block), the byte `mark`, zeros, and room for a length field of `lengthBytes` at
// the end, which the caller writes. Returns the number of blocks used (1 or 2). The bytes
// are written sixteen at a time (eight without SSE2), so that the transform's loads that
// follow, of up to sixteen bytes, are forwarded from these stores; byte stores or a
// string-store memset would hold them until the stores retire, and everything with them.
template <size_t Block>
inline size_t LayOutTail(uint8_t (&last)[2 * Block], const uint8_t* buffer, size_t fill, uint8_t mark,
                         size_t lengthBytes) {
    static_assert(2 * Block <= 256, "byte positions are compared as 8-bit numbers");
    const size_t blocks = fill + 1 + lengthBytes <= Block ? 1 : 2;
#if defined(__SSE2__)
    const __m128i fillAt = _mm_set1_epi8(char(fill)), markByte = _mm_set1_epi8(char(mark));
    auto chunk = [&](size_t start, __m128i bytes) {
        const __m128i position = _mm_add_epi8(_mm_set1_epi8(char(start)),
                                              _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
        const __m128i pastFill = _mm_cmpeq_epi8(_mm_max_epu8(position, fillAt), position);  // position >= fill
        const __m128i atFill = _mm_cmpeq_epi8(position, fillAt);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(last + start),
                         _mm_or_si128(_mm_andnot_si128(pastFill, bytes), _mm_and_si128(atFill, markByte)));
    };
    for (size_t start = 0; start < Block; start += 16)
        chunk(start, _mm_loadu_si128(reinterpret_cast<const __m128i*>(buffer + start)));
    if (blocks == 2)
        for (size_t start = Block; start < 2 * Block; start += 16) chunk(start, _mm_setzero_si128());
#else
    auto word = [&](size_t start, uint64_t bytes) {
        const size_t kept = fill <= start ? 0 : fill - start >= 8 ? 8 : fill - start;
        const uint64_t keptMask = kept == 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * kept)) - 1;
        const uint64_t markBits = fill >= start && kept < 8 ? uint64_t(mark) << (8 * kept) : 0;
        StoreLE64(last + start, (bytes & keptMask) | markBits);
    };
    for (size_t start = 0; start < Block; start += 8) word(start, LoadLE64(buffer + start));
    if (blocks == 2)
        for (size_t start = Block; start < 2 * Block; start += 8) word(start, 0);
#endif
    return blocks;
}

// Processor features that the faster code paths need, detected once. On other
// architectures, or when the portable code is forced, all are false.
struct CpuFeatures {
    bool avx2 = false;
    bool bmi1 = false;        // and-not
    bool bmi2 = false;        // three-operand shifts and rotations
    bool avx512 = false;      // F, BW and VL
    bool vnni = false;        // AVX-512 byte dot products
    bool sha = false;         // SHA-1 and SHA-256 instructions
    bool pclmul = false;      // carry-less multiply on 128 bits
    bool vpclmul256 = false;  // carry-less multiply on 256 bits (AVX2 and VPCLMULQDQ)
    bool vpclmul = false;     // carry-less multiply on 512 bits (AVX-512 and VPCLMULQDQ)
};

// The instruction-set levels the fast paths are written for, each with those below:
// SSE4.1 with the SHA extensions and PCLMULQDQ (Goldmont, and every later x86-64),
// then AVX2 with BMI1/2 and 256-bit VPCLMULQDQ, then AVX-512 (F, BW, VL, VNNI).
enum class CpuLevel { Portable, Sse4, Avx2, Avx512 };
const char* CpuLevelName(CpuLevel level);                  // "portable", "sse4", "avx2", "avx512"
bool ParseCpuLevel(const char* name, CpuLevel& level);
// The features a level allows at most.
CpuFeatures FeaturesUpTo(CpuLevel level);
// The highest level whose features the processor has.
CpuLevel MachineLevel();
// What the processor has, before any cap: for benchmarks to name the machine.
const CpuFeatures& MachineFeatures();

// The environment variable QUORVIX_DIGEST_LEVEL, read once when the library starts,
// caps the level in use (portable, sse4, avx2 or avx512; another value is ignored),
// so that every path can be tested and measured on any machine.
namespace detail {
extern const CpuFeatures* currentCpu;
}
inline const CpuFeatures& Cpu() { return *detail::currentCpu; }
// For tests: use only those of the features in use that `allowed` has (nullptr: all
// of them again). An empty CpuFeatures{} runs the portable code only; turning one
// feature off reaches the paths written for processors without it.
void HashRestrictFeatures(const CpuFeatures* allowed);

// Code in the older SSE encoding runs slowly while another library's AVX code has left
// the upper halves of the vector registers in use; the SSE paths clear them on entry.
void ClearUpperVectorState();

// Feeds bytes through a block buffer: completes a partial block first, then hands
// whole blocks to `compress(blocks, count)` straight from the caller's data, and keeps
// the tail. `fill` is the number of bytes the buffer holds (0 .. Block - 1 between calls).
// With KeepLast, input that ends on a block boundary leaves its last block in the
// buffer (fill == Block), so that the final can compress it together with the padding.
template <size_t Block, bool KeepLast = false, typename Fill, typename Compress>
void AbsorbBlocks(uint8_t* buffer, Fill& fill, const uint8_t* data, uint64_t length, Compress&& compress) {
    if (length == 0) return;
    if (fill > 0) {
        const uint64_t take = length < Block - uint64_t(fill) ? length : Block - uint64_t(fill);
        std::memcpy(buffer + fill, data, size_t(take));
        fill = Fill(fill + take);
        data += take;
        length -= take;
        if (uint64_t(fill) < Block) return;
        compress(buffer, size_t(1));
        fill = 0;
    }
    uint64_t blocks = length / Block;
    if (KeepLast && blocks > 0 && length % Block == 0) --blocks;
    if (blocks > 0) compress(data, size_t(blocks));
    const uint64_t tail = length - blocks * Block;
    if (tail > 0) std::memcpy(buffer, data + blocks * Block, size_t(tail));
    fill = Fill(tail);
}

// --- Many messages side by side ------------------------------------------------------
// A digest whose 32-bit chaining words can be computed for many messages at once, one
// message per vector lane: each vector holds the same word of every message. Sixteen
// messages go side by side: in the lanes of one AVX-512 vector, or of two AVX2 vectors
// whose operations interleave (one alone would wait on each step's result).
constexpr unsigned kLanes = 16;
// Compresses `blocks` consecutive blocks of each of the kLanes messages. The state is
// word-major, state[word * kLanes + lane]; data[lane] points at the lane's first block.
using LaneFn = void (*)(uint32_t* state, const uint8_t* const* data, size_t blocks);
struct LaneFamily {
    uint8_t words;            // chaining words: 4 (MD5), 5 (SHA-1), 8 (SHA-256)
    bool bigEndian;           // byte order of the message words, the length field and the digest
    const uint32_t* initial;  // the chaining words a message starts from
    // One message's blocks, for the few messages still running after the others ended.
    void (*single)(uint32_t* hash, const uint8_t* data, size_t blocks);
    LaneFn avx2;    // null where the lanes are not built (other processors)
    LaneFn avx512;
    // The SHA instructions' one message is as fast as AVX2's lanes: those are used only
    // on processors without the instructions.
    bool avx2OnlyWithoutSha;
};

// The messages the processor in use digests side by side with the family: kLanes, or 1
// (one message at a time: no lanes on this processor, or none faster than one message).
unsigned LaneCount(const LaneFamily& family);

// Digests each whole message of `messages` into `digests`, kLanes at a time.
struct HashMessage;
void DigestInLanes(const LaneFamily& family, const HashMessage* messages, size_t count, std::string* digests);

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Vectors of lanes, written with GCC's vector extensions so that one round function
// serves both widths; the target of the function it is inlined into picks the code.
typedef uint32_t U32x8 __attribute__((vector_size(32)));
typedef uint32_t U32x16 __attribute__((vector_size(64)));

// Lane code is always inlined into functions of the vectors' width, so GCC's warning
// that passing such vectors by value differs between targets does not apply to it;
// units with lane code turn it off as well.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
template <int S, typename V>
__attribute__((always_inline)) inline V LaneRotL(V x) {
    return (x << S) | (x >> (32 - S));
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
        LOAD(w, data, 64 * block);                             \
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
