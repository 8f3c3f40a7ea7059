#include "CryptoUtils.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

void AppendHexBytes(std::string& text, const uint8_t* bytes, size_t count) {
    // Written in place, straight into the caller's reused capacity.
    const size_t start = text.size();
    text.resize(start + 2 * count);
    char* out = text.data() + start;
    size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: split into nibbles, high first, and turn each into its
    // digit ('0' + n, plus 39 more for a..f).
    const __m128i lowNibble = _mm_set1_epi8(0x0f), nine = _mm_set1_epi8(9);
    const __m128i zero = _mm_set1_epi8('0'), letters = _mm_set1_epi8('a' - '0' - 10);
    auto digits = [&](__m128i nibbles) {
        return _mm_add_epi8(_mm_add_epi8(nibbles, zero), _mm_and_si128(_mm_cmpgt_epi8(nibbles, nine), letters));
    };
    for (; i + 16 <= count; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        const __m128i high = _mm_and_si128(_mm_srli_epi16(v, 4), lowNibble);
        const __m128i low = _mm_and_si128(v, lowNibble);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i), digits(_mm_unpacklo_epi8(high, low)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i + 16), digits(_mm_unpackhi_epi8(high, low)));
    }
#endif
    for (; i < count; ++i) std::memcpy(out + 2 * i, kHexPairs.pairs[bytes[i]], 2);
}

namespace {

CpuFeatures Detect() {
    CpuFeatures cpu;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    __builtin_cpu_init();
    cpu.avx2 = __builtin_cpu_supports("avx2");
    cpu.bmi1 = __builtin_cpu_supports("bmi");
    cpu.bmi2 = __builtin_cpu_supports("bmi2");
    cpu.avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                 __builtin_cpu_supports("avx512vl");
    cpu.sha = __builtin_cpu_supports("sha") && __builtin_cpu_supports("sse4.1");
    cpu.pclmul = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    cpu.vpclmul = cpu.avx512 && __builtin_cpu_supports("vpclmulqdq");
#endif
    return cpu;
}

const CpuFeatures kDetected = Detect();
const CpuFeatures kPortable{};

}  // namespace

const CpuFeatures* detail::currentCpu = &kDetected;

void HashForcePortable(bool portable) { detail::currentCpu = portable ? &kPortable : &kDetected; }
