#include "CRC.h"

#include <array>

#include "Blocks.h"
#include "Cpu.h"
#include "Hex.h"
#include "Intrinsics.h"
#include "Words.h"

namespace quorvix::digest {
namespace {

// Braids: the message is cut into words of 8 bytes dealt to kBraids streams in turn,
// each with a register of its own, so that the processor works on five independent
// chains of look-ups instead of one.
constexpr int kBraids = 5;

// Slicing-by-8 tables, then those of the braids: table 0 is the standard byte-wise
// table, and table k advances a byte through k further zero bytes, so eight bytes cost
// eight independent look-ups. Tables 8..15 are tables 8·(kBraids − 1) + 0..7: a word of
// one braid advanced past the words of the other braids up to its own next word.
using CrcTables = std::array<std::array<uint32_t, 256>, 16>;
constexpr int kBraidTable = 8 * (kBraids - 1);

constexpr CrcTables MakeReflectedTables() {
    std::array<std::array<uint32_t, 256>, kBraidTable + 8> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ ((c & 1) ? 0xEDB88320u : 0);
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < kBraidTable + 8; ++k) t[size_t(k)][i] = (t[size_t(k - 1)][i] >> 8) ^ t[0][t[size_t(k - 1)][i] & 0xff];
    CrcTables kept{};
    for (int k = 0; k < 8; ++k) kept[size_t(k)] = t[size_t(k)], kept[size_t(8 + k)] = t[size_t(kBraidTable + k)];
    return kept;
}

constexpr CrcTables MakeMsbTables() {
    std::array<std::array<uint32_t, 256>, kBraidTable + 8> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k) c = (c << 1) ^ ((c & 0x80000000u) ? 0x04C11DB7u : 0);
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < kBraidTable + 8; ++k) t[size_t(k)][i] = (t[size_t(k - 1)][i] << 8) ^ t[0][t[size_t(k - 1)][i] >> 24];
    CrcTables kept{};
    for (int k = 0; k < 8; ++k) kept[size_t(k)] = t[size_t(k)], kept[size_t(8 + k)] = t[size_t(kBraidTable + k)];
    return kept;
}

constexpr CrcTables kReflected = MakeReflectedTables();
constexpr CrcTables kMsb = MakeMsbTables();
static_assert(kReflected[0][1] == 0x77073096u);
static_assert(kMsb[0][1] == 0x04c11db7u);

}  // namespace

namespace {

// Eight bytes through the register: the register is added into the word, and each of
// the word's bytes is looked up in the table of its distance from the end, offset by
// `first` (0 for the register itself, 8 for a braid's next word).
template <bool Msb>
__attribute__((always_inline)) inline uint32_t SliceWord(uint64_t word, int first) {
    const auto& t = Msb ? kMsb : kReflected;
    uint32_t crc = 0;
    for (int k = 0; k < 8; ++k) {
        // Reflected: byte k (from the low end) is followed by 7 − k more; MSB-first: byte k
        // from the top end is.
        const uint32_t byte = Msb ? uint32_t(word >> (56 - 8 * k)) & 0xff : uint32_t(word >> (8 * k)) & 0xff;
        crc ^= t[size_t(first + 7 - k)][byte];
    }
    return crc;
}

template <bool Msb>
inline uint64_t LoadWord(const uint8_t* p) {
    return Msb ? LoadBE64(p) : LoadLE64(p);
}

// The register as the first four bytes of a word.
template <bool Msb>
inline uint64_t RegisterWord(uint32_t crc) {
    return Msb ? uint64_t(crc) << 32 : crc;
}

// The last 0..7 bytes as four, two and one, three steps at most instead of seven; inlined
// where a short message ends, so that a few bytes cost no call.
template <bool Msb>
__attribute__((always_inline)) inline uint32_t Tail(uint32_t crc, const uint8_t* data, size_t length) {
    const auto& t = Msb ? kMsb : kReflected;
    if (length & 4) {
        const uint32_t v = crc ^ (Msb ? LoadBE32(data) : LoadLE32(data));
        crc = Msb ? t[3][v >> 24] ^ t[2][(v >> 16) & 0xff] ^ t[1][(v >> 8) & 0xff] ^ t[0][v & 0xff]
                  : t[3][v & 0xff] ^ t[2][(v >> 8) & 0xff] ^ t[1][(v >> 16) & 0xff] ^ t[0][v >> 24];
        data += 4;
    }
    if (length & 2) {
        crc = Msb ? (crc << 16) ^ t[1][(crc >> 24) ^ data[0]] ^ t[0][((crc >> 16) & 0xff) ^ data[1]]
                  : (crc >> 16) ^ t[1][(crc ^ data[0]) & 0xff] ^ t[0][((crc >> 8) ^ data[1]) & 0xff];
        data += 2;
    }
    if (length & 1) crc = Msb ? (crc << 8) ^ t[0][(crc >> 24) ^ data[0]] : (crc >> 8) ^ t[0][(crc ^ data[0]) & 0xff];
    return crc;
}

template <bool Msb>
uint32_t Portable(uint32_t crc, const uint8_t* data, size_t length) {
    constexpr size_t kBlock = 8 * kBraids;
    // Braided while at least two blocks remain: the last block gathers the braids.
    if (length >= 2 * kBlock) {
        uint64_t braid[kBraids] = {RegisterWord<Msb>(crc)};
        size_t blocks = length / kBlock - 1;
        for (; blocks > 0; --blocks, data += kBlock, length -= kBlock)
            for (int i = 0; i < kBraids; ++i)
                braid[i] = RegisterWord<Msb>(SliceWord<Msb>(braid[i] ^ LoadWord<Msb>(data + 8 * i), 8));
        // Each braid's register belongs to its next word: the last block's, taken in turn.
        crc = 0;
        for (int i = 0; i < kBraids; ++i)
            crc = SliceWord<Msb>(braid[i] ^ LoadWord<Msb>(data + 8 * i) ^ RegisterWord<Msb>(crc), 0);
        data += kBlock;
        length -= kBlock;
    }
    for (; length >= 8; data += 8, length -= 8) crc = SliceWord<Msb>(LoadWord<Msb>(data) ^ RegisterWord<Msb>(crc), 0);
    return Tail<Msb>(crc, data, length);
}

uint32_t ReflectedPortable(uint32_t crc, const uint8_t* data, size_t length) { return Portable<false>(crc, data, length); }

uint32_t MsbPortable(uint32_t crc, const uint8_t* data, size_t length) { return Portable<true>(crc, data, length); }

// ---- Carry-less multiplication ----
//
// The message is folded: a 128-bit chunk C followed by F more bits contributes
// C(x)·x^F, and C·x^F ≡ Hi·(x^(64+F) mod P) + Lo·(x^F mod P), a product of at most 96
// bits that is added into the chunk F bits further on. What is left at the end is a
// 16-byte block with the same remainder as the whole message, which the tables finish.
// Register contents enter by being added into the message's first four bytes.

constexpr uint64_t kPoly = 0x104C11DB7ULL;

constexpr uint32_t XPowerModP(int n) {
    uint64_t r = 1;
    for (int i = 0; i < n; ++i) {
        r <<= 1;
        if (r & (uint64_t(1) << 32)) r ^= kPoly;
    }
    return uint32_t(r);
}


// floor(x^64 / P), the 33-bit quotient used by Barrett reduction.
constexpr uint64_t BarrettQuotient() {
    uint64_t remainder = 0, quotient = 0;  // long division of x^64, one bit at a time
    for (int i = 64; i >= 0; --i) {
        remainder = (remainder << 1) | (i == 64 ? 1 : 0);
        quotient <<= 1;
        if (remainder & (uint64_t(1) << 32)) {
            remainder ^= kPoly;
            quotient |= 1;
        }
    }
    return quotient;
}

// The lowest `bits` bits of v in reverse order.
constexpr uint64_t Reflect(uint64_t v, int bits) {
    uint64_t r = 0;
    for (int i = 0; i < bits; ++i)
        if (v & (uint64_t(1) << i)) r |= uint64_t(1) << (bits - 1 - i);
    return r;
}
// The values published with the carry-less multiplication method for this polynomial.
static_assert(BarrettQuotient() == 0x104D101DFULL);
static_assert(Reflect(BarrettQuotient(), 33) == 0x1F7011641ULL);
static_assert(Reflect(kPoly, 33) == 0x1DB710641ULL);

struct FoldConstants {
    uint64_t lo, hi;  // for the chunk's low and high quadword
};

// Reflected: the low quadword holds the higher powers, and a carry-less product of two
// reflected values comes out one place short, hence the exponents one less.
constexpr FoldConstants ReflectedFold(int bits) {
    return {Reflect(XPowerModP(64 + bits - 1), 64), Reflect(XPowerModP(bits - 1), 64)};
}
// Most significant bit first, on byte-reversed chunks: the high quadword holds the higher powers.
constexpr FoldConstants MsbFold(int bits) { return {XPowerModP(bits), XPowerModP(64 + bits)}; }

#ifdef QUORVIX_X86
#define CLMUL_TARGET __attribute__((target("pclmul,sse4.1")))
#define VCLMUL_TARGET __attribute__((target("vpclmulqdq,pclmul,avx512f,avx512bw,avx512vl,sse4.1")))

template <bool Msb>
CLMUL_TARGET inline __m128i Load128(const uint8_t* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    if constexpr (Msb) return _mm_shuffle_epi8(v, _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
    return v;
}

CLMUL_TARGET inline __m128i Fold128(__m128i chunk, __m128i constants, __m128i into) {
    const __m128i lo = _mm_clmulepi64_si128(chunk, constants, 0x00);
    const __m128i hi = _mm_clmulepi64_si128(chunk, constants, 0x11);
    return _mm_xor_si128(_mm_xor_si128(lo, hi), into);
}

template <bool Msb, int Bits>
CLMUL_TARGET inline __m128i Constants128() {
    constexpr FoldConstants k = Msb ? MsbFold(Bits) : ReflectedFold(Bits);
    return _mm_set_epi64x(int64_t(k.hi), int64_t(k.lo));
}

// The register added into the first chunk.
template <bool Msb>
CLMUL_TARGET inline __m128i WithRegister(__m128i chunk, uint32_t crc) {
    return _mm_xor_si128(chunk, Msb ? _mm_set_epi32(int(crc), 0, 0, 0) : _mm_cvtsi32_si128(int(crc)));
}

// The register after the 16 bytes of v with a zero register, that is V(x)·x^32 mod P,
// by multiplication only: V·x^32 = A·x^96 + B·x^32 for its halves A (higher) and B; A is
// folded by x^96 mod P to under 96 bits, those top 32 by x^64 mod P to under 64, and
// Barrett reduction takes the rest. The tables would do the same in fewer instructions
// but would have to come back into the cache after each few kilobytes of message.
template <bool Msb>
CLMUL_TARGET inline uint32_t Reduce128(__m128i v) {
    const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);
    if constexpr (Msb) {
        // Bit i of the 128-bit value is the coefficient of x^i.
        const __m128i k = _mm_set_epi64x(int64_t(XPowerModP(64)), int64_t(XPowerModP(96)));
        // s = A·K96 + B·x^32 (under 96 bits), t = Sh·K64 + Sl (under 64).
        const __m128i s = _mm_xor_si128(_mm_clmulepi64_si128(v, k, 0x01), _mm_slli_si128(_mm_move_epi64(v), 4));
        const __m128i t = _mm_xor_si128(_mm_clmulepi64_si128(_mm_srli_si128(s, 8), k, 0x10),
                                        _mm_and_si128(s, _mm_set_epi64x(0, -1)));
        const __m128i barrett = _mm_set_epi64x(int64_t(kPoly), int64_t(BarrettQuotient()));
        const __m128i q = _mm_srli_epi64(_mm_clmulepi64_si128(_mm_srli_epi64(t, 32), barrett, 0x00), 32);
        return uint32_t(_mm_cvtsi128_si32(_mm_xor_si128(t, _mm_clmulepi64_si128(q, barrett, 0x10))));
    } else {
        // Reflected: bit i holds the coefficient of x^(n-1-i) for an n-bit value, and a
        // product of reflected values comes out reflected in one bit fewer, hence the
        // constants shifted up by one.
        const __m128i k = _mm_set_epi64x(int64_t(Reflect(XPowerModP(64), 32) << 1),
                                         int64_t(Reflect(XPowerModP(96), 32) << 1));
        const __m128i s = _mm_xor_si128(_mm_clmulepi64_si128(v, k, 0x00), _mm_srli_si128(v, 8));
        const __m128i t =
            _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(s, low32), k, 0x10), _mm_srli_si128(s, 4));
        const __m128i barrett = _mm_set_epi64x(int64_t(Reflect(kPoly, 33)), int64_t(Reflect(BarrettQuotient(), 33)));
        const __m128i q = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(t, low32), barrett, 0x00), low32);
        return uint32_t(_mm_extract_epi32(_mm_xor_si128(t, _mm_clmulepi64_si128(q, barrett, 0x10)), 1));
    }
}

// Folds the remaining 16-byte chunks into v, reduces it, and finishes the last few
// bytes with the tables.
// Inlined into both folding routines, so that it takes each one's instruction encoding.
template <bool Msb>
CLMUL_TARGET __attribute__((always_inline)) inline uint32_t Finish(__m128i v, const uint8_t* data, size_t length) {
    const __m128i by1 = Constants128<Msb, 128>();
    for (; length >= 16; data += 16, length -= 16) v = Fold128(v, by1, Load128<Msb>(data));
    const uint32_t crc = Reduce128<Msb>(v);
    return Msb ? MsbPortable(crc, data, length) : ReflectedPortable(crc, data, length);
}

// Four 128-bit lanes, 64 bytes a step.
template <bool Msb>
CLMUL_TARGET uint32_t FoldClmul(uint32_t crc, const uint8_t* data, size_t length) {
    ClearUpperVectorState();
    __m128i x0 = WithRegister<Msb>(Load128<Msb>(data), crc), x1 = Load128<Msb>(data + 16);
    __m128i x2 = Load128<Msb>(data + 32), x3 = Load128<Msb>(data + 48);
    data += 64;
    length -= 64;
    const __m128i by4 = Constants128<Msb, 512>();
    for (; length >= 64; data += 64, length -= 64) {
        x0 = Fold128(x0, by4, Load128<Msb>(data));
        x1 = Fold128(x1, by4, Load128<Msb>(data + 16));
        x2 = Fold128(x2, by4, Load128<Msb>(data + 32));
        x3 = Fold128(x3, by4, Load128<Msb>(data + 48));
    }
    x3 = _mm_xor_si128(_mm_xor_si128(Fold128(x0, Constants128<Msb, 384>(), x3),
                                     Fold128(x1, Constants128<Msb, 256>(), _mm_setzero_si128())),
                       Fold128(x2, Constants128<Msb, 128>(), _mm_setzero_si128()));
    return Finish<Msb>(x3, data, length);
}

// Four 256-bit lanes, 128 bytes a step: VPCLMULQDQ on processors without AVX-512.
#define VCLMUL256_TARGET __attribute__((target("vpclmulqdq,pclmul,avx2,sse4.1")))

template <bool Msb>
VCLMUL256_TARGET inline __m256i Load256(const uint8_t* p) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    if constexpr (Msb)
        return _mm256_shuffle_epi8(v, _mm256_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL, 0x0001020304050607LL,
                                                        0x08090a0b0c0d0e0fLL));
    return v;
}

VCLMUL256_TARGET inline __m256i Fold256(__m256i chunk, __m256i constants, __m256i into) {
    return _mm256_xor_si256(_mm256_xor_si256(_mm256_clmulepi64_epi128(chunk, constants, 0x00),
                                             _mm256_clmulepi64_epi128(chunk, constants, 0x11)),
                            into);
}

template <bool Msb, int Bits>
VCLMUL256_TARGET inline __m256i Constants256() {
    constexpr FoldConstants k = Msb ? MsbFold(Bits) : ReflectedFold(Bits);
    return _mm256_set_epi64x(int64_t(k.hi), int64_t(k.lo), int64_t(k.hi), int64_t(k.lo));
}

template <bool Msb>
VCLMUL256_TARGET uint32_t FoldClmul256(uint32_t crc, const uint8_t* data, size_t length) {
    ClearUpperVectorState();
    __m256i x0 = _mm256_xor_si256(Load256<Msb>(data), _mm256_zextsi128_si256(WithRegister<Msb>(_mm_setzero_si128(), crc)));
    __m256i x1 = Load256<Msb>(data + 32), x2 = Load256<Msb>(data + 64), x3 = Load256<Msb>(data + 96);
    data += 128;
    length -= 128;
    const __m256i by8 = Constants256<Msb, 1024>();
    for (; length >= 128; data += 128, length -= 128) {
        x0 = Fold256(x0, by8, Load256<Msb>(data));
        x1 = Fold256(x1, by8, Load256<Msb>(data + 32));
        x2 = Fold256(x2, by8, Load256<Msb>(data + 64));
        x3 = Fold256(x3, by8, Load256<Msb>(data + 96));
    }
    // The lanes folded onto the last side by side, then its halves.
    x3 = _mm256_xor_si256(_mm256_xor_si256(Fold256(x0, Constants256<Msb, 768>(), x3),
                                           Fold256(x1, Constants256<Msb, 512>(), _mm256_setzero_si256())),
                          Fold256(x2, Constants256<Msb, 256>(), _mm256_setzero_si256()));
    const __m128i v = Fold128(_mm256_castsi256_si128(x3), Constants128<Msb, 128>(), _mm256_extracti128_si256(x3, 1));
    const uint32_t result = Finish<Msb>(v, data, length);
    _mm256_zeroupper();
    return result;
}

// Four 512-bit lanes, 256 bytes a step.
template <bool Msb>
VCLMUL_TARGET inline __m512i Load512(const uint8_t* p) {
    const __m512i v = _mm512_loadu_si512(p);
    if constexpr (Msb)
        return _mm512_shuffle_epi8(v, _mm512_set_epi64(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL, 0x0001020304050607LL,
                                                       0x08090a0b0c0d0e0fLL, 0x0001020304050607LL, 0x08090a0b0c0d0e0fLL,
                                                       0x0001020304050607LL, 0x08090a0b0c0d0e0fLL));
    return v;
}

VCLMUL_TARGET inline __m512i Fold512(__m512i chunk, __m512i constants, __m512i into) {
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(chunk, constants, 0x00),
                                     _mm512_clmulepi64_epi128(chunk, constants, 0x11), into, 0x96);
}

template <bool Msb, int Bits>
VCLMUL_TARGET inline __m512i Constants512() {
    constexpr FoldConstants k = Msb ? MsbFold(Bits) : ReflectedFold(Bits);
    const auto hi = int64_t(k.hi), lo = int64_t(k.lo);
    return _mm512_set_epi64(hi, lo, hi, lo, hi, lo, hi, lo);
}

// Folds `groups` 256-byte groups into the state's four 512-bit lanes; the first group of
// a message takes the register in and becomes the lanes.
template <bool Msb>
VCLMUL_TARGET void FoldIntoLanes(CrcState& state, const uint8_t* data, size_t groups) {
    auto* lanes = reinterpret_cast<__m512i*>(state.lanes);
    __m512i x0, x1, x2, x3;
    if (state.folding) {
        x0 = _mm512_load_si512(lanes), x1 = _mm512_load_si512(lanes + 1);
        x2 = _mm512_load_si512(lanes + 2), x3 = _mm512_load_si512(lanes + 3);
    } else {
        x0 = Load512<Msb>(data), x1 = Load512<Msb>(data + 64);
        x2 = Load512<Msb>(data + 128), x3 = Load512<Msb>(data + 192);
        x0 = _mm512_xor_si512(x0, _mm512_zextsi128_si512(WithRegister<Msb>(_mm_setzero_si128(), state.crc)));
        data += 256;
        --groups;
        state.folding = true;
    }
    const __m512i by16 = Constants512<Msb, 2048>();
    // Unrolled so that a few kilobytes take only a few passes: the processor does not
    // foresee the end of a loop of a dozen or more passes, and the miss costs nearly a
    // tenth of a 4 KiB call.
#pragma GCC unroll 4
    for (; groups > 0; data += 256, --groups) {
        x0 = Fold512(x0, by16, Load512<Msb>(data));
        x1 = Fold512(x1, by16, Load512<Msb>(data + 64));
        x2 = Fold512(x2, by16, Load512<Msb>(data + 128));
        x3 = Fold512(x3, by16, Load512<Msb>(data + 192));
    }
    _mm512_store_si512(lanes, x0);
    _mm512_store_si512(lanes + 1, x1);
    _mm512_store_si512(lanes + 2, x2);
    _mm512_store_si512(lanes + 3, x3);
}

// The register after the folded lanes and the waiting bytes.
template <bool Msb>
VCLMUL_TARGET uint32_t Unfold(const CrcState& state) {
    const auto* lanes = reinterpret_cast<const __m512i*>(state.lanes);
    // The four lanes folded onto the last one side by side, each by its own distance,
    // rather than one after another: one multiplication deep, not three.
    const __m512i x3 = _mm512_ternarylogic_epi64(
        Fold512(_mm512_load_si512(lanes), Constants512<Msb, 1536>(), _mm512_load_si512(lanes + 3)),
        Fold512(_mm512_load_si512(lanes + 1), Constants512<Msb, 1024>(), _mm512_setzero_si512()),
        Fold512(_mm512_load_si512(lanes + 2), Constants512<Msb, 512>(), _mm512_setzero_si512()), 0x96);
    // Likewise its four 128-bit parts onto the top one.
    alignas(64) __m128i parts[4];
    _mm512_store_si512(parts, x3);
    const __m128i v = _mm_xor_si128(_mm_xor_si128(Fold128(parts[0], Constants128<Msb, 384>(), parts[3]),
                                                  Fold128(parts[1], Constants128<Msb, 256>(), _mm_setzero_si128())),
                                    Fold128(parts[2], Constants128<Msb, 128>(), _mm_setzero_si128()));
    return Finish<Msb>(v, state.pending, state.waiting);
}

// From 16 to 63 bytes: one chunk with the register, the others folded onto it.
template <bool Msb>
CLMUL_TARGET uint32_t FoldShort(uint32_t crc, const uint8_t* data, size_t length) {
    ClearUpperVectorState();
    return Finish<Msb>(WithRegister<Msb>(Load128<Msb>(data), crc), data + 16, length - 16);
}

template <bool Msb>
uint32_t RegisterUpdate(uint32_t crc, const uint8_t* data, size_t length) {
    if (length < 8) return Tail<Msb>(crc, data, length);
    if (length >= 256 && Cpu().vpclmul256) return FoldClmul256<Msb>(crc, data, length);
    if (length >= 64 && Cpu().pclmul) return FoldClmul<Msb>(crc, data, length);
    if (length >= 16 && Cpu().pclmul) return FoldShort<Msb>(crc, data, length);
    return Msb ? MsbPortable(crc, data, length) : ReflectedPortable(crc, data, length);
}

// The start of folding, and bytes that do not make whole groups: those wait in the
// state until a group is complete.
template <bool Msb>
__attribute__((noinline)) void FoldAnyLength(CrcState& state, const uint8_t* data, size_t length) {
    AbsorbBlocks<sizeof state.pending>(state.pending, state.waiting, data, length,
                                       [&](const uint8_t* groups, size_t count) { FoldIntoLanes<Msb>(state, groups, count); });
}

// Short messages go through the register. Long ones are folded in the lanes from their
// first kilobyte to the final (even if the features are restricted meanwhile, which only
// tests do); whole groups with nothing waiting, the usual case for a file read in
// pieces, go straight to the loop.
template <bool Msb>
void Update(CrcState& state, const uint8_t* data, size_t length) {
    if (!state.folding) {
        if (length < 1024 || !Cpu().vpclmul) {
            state.crc = RegisterUpdate<Msb>(state.crc, data, length);
            return;
        }
    } else if (state.waiting == 0 && length % 256 == 0) {
        return FoldIntoLanes<Msb>(state, data, length / 256);
    }
    FoldAnyLength<Msb>(state, data, length);
}

template <bool Msb>
uint32_t Register(const CrcState& state) {
    return state.folding ? Unfold<Msb>(state) : state.crc;
}
#else
template <bool Msb>
void Update(CrcState& state, const uint8_t* data, size_t length) {
    state.crc = Msb ? MsbPortable(state.crc, data, length) : ReflectedPortable(state.crc, data, length);
}

template <bool Msb>
uint32_t Register(const CrcState& state) {
    return state.crc;
}
#endif

// The checksum is the register inverted, printed least significant byte first.
template <bool Msb>
void Final(CrcState& state, std::string& digest) {
    WriteHex4Bytes(digest, ~Register<Msb>(state));
    if (state.folding) Wipe(state);  // the lanes and waiting bytes are message data
}

}  // namespace

void CrcInit(CrcState& state, uint32_t) {
    state.crc = 0xFFFFFFFFu;
    state.waiting = 0;
    state.folding = false;
}

void Crc32Update(CrcState& state, const uint8_t* data, uint32_t length) { Update<false>(state, data, length); }

void Crc32MsbUpdate(CrcState& state, const uint8_t* data, uint32_t length) { Update<true>(state, data, length); }

void Crc32Final(CrcState& state, std::string& digest) { Final<false>(state, digest); }

void Crc32MsbFinal(CrcState& state, std::string& digest) { Final<true>(state, digest); }

}  // namespace quorvix::digest
