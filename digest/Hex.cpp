#include "Hex.h"

#include <cstring>

#include "Cpu.h"
#include "Words.h"

#if defined(__SSE2__) && defined(__x86_64__)
#define QUORVIX_SSE2_HEX 1
#include <immintrin.h>
#endif

namespace quorvix::digest {

namespace {
constexpr char kDigits[] = "0123456789abcdef";

// Both digits of every byte value, so a byte costs one two-byte copy.
struct HexPairs {
    char pairs[256][2];
    constexpr HexPairs() : pairs() {
        for (int i = 0; i < 256; ++i) {
            pairs[i][0] = kDigits[i >> 4];
            pairs[i][1] = kDigits[i & 15];
        }
    }
};
constexpr HexPairs kHexPairs;
}

std::string HexDigits(uint64_t value, uint8_t count) {
    std::string text(count, '0');
    for (size_t i = count; i-- > 0;) {
        text[i] = kDigits[value & 0xf];
        value >>= 4;
    }
    return text;
}

namespace {

#ifdef QUORVIX_SSE2_HEX
// The 32 digits of 16 bytes held in a register: split into nibbles, high first, and
// turn each into its digit ('0' + n, plus 39 more for a..f).
inline void HexOf16(__m128i v, char* out) {
    const __m128i lowNibble = _mm_set1_epi8(0x0f), nine = _mm_set1_epi8(9);
    const __m128i zero = _mm_set1_epi8('0'), letters = _mm_set1_epi8('a' - '0' - 10);
    auto digits = [&](__m128i nibbles) {
        return _mm_add_epi8(_mm_add_epi8(nibbles, zero), _mm_and_si128(_mm_cmpgt_epi8(nibbles, nine), letters));
    };
    const __m128i high = _mm_and_si128(_mm_srli_epi16(v, 4), lowNibble);
    const __m128i low = _mm_and_si128(v, lowNibble);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), digits(_mm_unpacklo_epi8(high, low)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), digits(_mm_unpackhi_epi8(high, low)));
}

// Words gathered one at a time: a final has just stored its chaining values word by
// word, and a 16-byte load across those stores would wait for them to retire instead
// of being forwarded from them.
inline __m128i Gather32(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) {
    const __m128i low = _mm_unpacklo_epi32(_mm_cvtsi32_si128(int(w0)), _mm_cvtsi32_si128(int(w1)));
    const __m128i high = _mm_unpacklo_epi32(_mm_cvtsi32_si128(int(w2)), _mm_cvtsi32_si128(int(w3)));
    return _mm_unpacklo_epi64(low, high);
}
inline __m128i Gather64(uint64_t w0, uint64_t w1) {
    return _mm_unpacklo_epi64(_mm_cvtsi64_si128(int64_t(w0)), _mm_cvtsi64_si128(int64_t(w1)));
}
#endif

// A digest usually replaces the text of the previous digest of its type: when the
// length is the same, the string is written in place, without the library's resize.
// (Out of line: inlined, the library's resize would make every writer save registers.)
__attribute__((noinline, cold)) void SetLength(std::string& text, size_t digits) { text.resize(digits); }

char* Resize(std::string& text, size_t digits) {
    if (text.size() != digits) SetLength(text, digits);
    return text.data();
}

void PairsOf(const uint8_t* bytes, size_t count, char* out) {
    for (size_t i = 0; i < count; ++i) std::memcpy(out + 2 * i, kHexPairs.pairs[bytes[i]], 2);
}

}  // namespace

void WriteHexBytes(std::string& text, const uint8_t* bytes, size_t count) {
    char* out = Resize(text, 2 * count);
    size_t i = 0;
#ifdef QUORVIX_SSE2_HEX
    if (count >= 16) ClearUpperVectorState();
    for (; i + 16 <= count; i += 16) HexOf16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i)), out + 2 * i);
#endif
    PairsOf(bytes + i, count - i, out + 2 * i);
}

void WriteHex4Bytes(std::string& text, uint32_t bytes) {
    char* out = Resize(text, 8);
    for (int i = 0; i < 4; ++i) std::memcpy(out + 2 * i, kHexPairs.pairs[(bytes >> (8 * i)) & 0xff], 2);
}

void WriteHexWords32(std::string& text, const uint32_t* words, size_t count, bool bigEndian) {
    char* out = Resize(text, 8 * count);
    auto word = [&](size_t i) { return bigEndian ? Swap32(words[i]) : words[i]; };  // as stored little-endian
    size_t i = 0;
#ifdef QUORVIX_SSE2_HEX
    if (count >= 4) ClearUpperVectorState();
    for (; i + 4 <= count; i += 4)
        HexOf16(Gather32(word(i), word(i + 1), word(i + 2), word(i + 3)), out + 8 * i);
#endif
    for (; i < count; ++i) {
        uint8_t bytes[4];
        StoreLE32(bytes, word(i));
        PairsOf(bytes, 4, out + 8 * i);
    }
}

void WriteHexWords64(std::string& text, const uint64_t* words, size_t count, bool bigEndian) {
    char* out = Resize(text, 16 * count);
    auto word = [&](size_t i) { return bigEndian ? Swap64(words[i]) : words[i]; };
    size_t i = 0;
#ifdef QUORVIX_SSE2_HEX
    if (count >= 2) ClearUpperVectorState();
    for (; i + 2 <= count; i += 2) HexOf16(Gather64(word(i), word(i + 1)), out + 16 * i);
#endif
    for (; i < count; ++i) {
        uint8_t bytes[8];
        StoreLE64(bytes, word(i));
        PairsOf(bytes, 8, out + 16 * i);
    }
}

}  // namespace quorvix::digest
