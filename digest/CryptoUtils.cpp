#include "CryptoUtils.h"

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
    for (size_t i = 0; i < count; ++i) std::memcpy(out + 2 * i, kHexPairs.pairs[bytes[i]], 2);
}

namespace {

CpuFeatures Detect() {
    CpuFeatures cpu;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    __builtin_cpu_init();
    cpu.avx2 = __builtin_cpu_supports("avx2");
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
