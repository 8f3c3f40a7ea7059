#include "CryptoUtils.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "CryptoAPI.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

#if defined(__SSE2__) && defined(__x86_64__)
#define QUORVIX_SSE2_HEX 1
#include <immintrin.h>
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
char* Resize(std::string& text, size_t digits) {
    if (text.size() != digits) text.resize(digits);
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

namespace {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// What the processor has and the system saves across task switches: CPUID for the
// instructions, XGETBV for the registers (AVX needs the upper halves of the vector
// registers saved, AVX-512 the mask registers and the upper 256 bits as well).
CpuFeatures Detect() {
    CpuFeatures cpu;
    unsigned eax, ebx, ecx, edx;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return cpu;
    const bool sse41 = ecx & (1u << 19), pclmul = ecx & (1u << 1), osxsave = ecx & (1u << 27), avx = ecx & (1u << 28);
    uint64_t xcr0 = 0;
    if (osxsave) {
        uint32_t low, high;
        __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
        xcr0 = uint64_t(high) << 32 | low;
    }
    const bool ymmSaved = (xcr0 & 0x6) == 0x6, zmmSaved = (xcr0 & 0xe6) == 0xe6;
    if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx)) return cpu;
    const auto has = [](unsigned reg, unsigned bit) { return (reg & (1u << bit)) != 0; };
    cpu.bmi1 = has(ebx, 3);
    cpu.bmi2 = has(ebx, 8);
    cpu.avx2 = avx && ymmSaved && has(ebx, 5);
    cpu.avx512 = cpu.avx2 && zmmSaved && has(ebx, 16) && has(ebx, 30) && has(ebx, 31);  // F, BW, VL
    cpu.vnni = cpu.avx512 && has(ecx, 11);
    cpu.sha = has(ebx, 29) && sse41;
    cpu.pclmul = pclmul && sse41;
    cpu.vpclmul256 = cpu.avx2 && cpu.pclmul && has(ecx, 10);
    cpu.vpclmul = cpu.avx512 && cpu.vpclmul256;
    return cpu;
}
#else
CpuFeatures Detect() { return {}; }
#endif

CpuFeatures Both(const CpuFeatures& a, const CpuFeatures& b) {
    CpuFeatures both;
    both.avx2 = a.avx2 && b.avx2;
    both.bmi1 = a.bmi1 && b.bmi1;
    both.bmi2 = a.bmi2 && b.bmi2;
    both.avx512 = a.avx512 && b.avx512 && both.avx2;
    both.vnni = a.vnni && b.vnni && both.avx512;
    both.sha = a.sha && b.sha;
    both.pclmul = a.pclmul && b.pclmul;
    both.vpclmul256 = a.vpclmul256 && b.vpclmul256 && both.avx2 && both.pclmul;
    both.vpclmul = a.vpclmul && b.vpclmul && both.avx512 && both.vpclmul256;
    return both;
}

const CpuFeatures kMachine = Detect();

CpuFeatures InUse() {
    CpuLevel cap;
    const char* name = std::getenv("QUORVIX_DIGEST_LEVEL");
    return name && ParseCpuLevel(name, cap) ? Both(kMachine, FeaturesUpTo(cap)) : kMachine;
}

const CpuFeatures kDetected = InUse();
CpuFeatures restricted;

constexpr const char* kLevelNames[] = {"portable", "sse4", "avx2", "avx512"};

}  // namespace

const char* CpuLevelName(CpuLevel level) { return kLevelNames[int(level)]; }

bool ParseCpuLevel(const char* name, CpuLevel& level) {
    for (int i = 0; i < 4; ++i)
        if (std::strcmp(name, kLevelNames[i]) == 0) {
            level = CpuLevel(i);
            return true;
        }
    return false;
}

CpuFeatures FeaturesUpTo(CpuLevel level) {
    CpuFeatures features;
    features.sha = features.pclmul = level >= CpuLevel::Sse4;
    features.avx2 = features.bmi1 = features.bmi2 = features.vpclmul256 = level >= CpuLevel::Avx2;
    features.avx512 = features.vnni = features.vpclmul = level >= CpuLevel::Avx512;
    return features;
}

CpuLevel MachineLevel() {
    const CpuFeatures& m = kMachine;
    if (m.avx512 && m.vnni && m.vpclmul && m.bmi2 && m.sha) return CpuLevel::Avx512;
    if (m.avx2 && m.bmi1 && m.bmi2 && m.sha && m.pclmul) return CpuLevel::Avx2;
    if (m.sha && m.pclmul) return CpuLevel::Sse4;
    return CpuLevel::Portable;
}

const CpuFeatures& MachineFeatures() { return kMachine; }

const CpuFeatures* detail::currentCpu = &kDetected;

void HashRestrictFeatures(const CpuFeatures* allowed) {
    if (!allowed) {
        detail::currentCpu = &kDetected;
        return;
    }
    restricted = Both(kDetected, *allowed);
    detail::currentCpu = &restricted;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
namespace {
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }
}  // namespace

void ClearUpperVectorState() {
    if (Cpu().avx2) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif

// --- Many messages side by side ------------------------------------------------------

namespace {

// What one lane is doing: the blocks of a message straight from the caller's memory,
// then its last one or two blocks (tail, padding, length) laid out here.
struct LaneJob {
    static constexpr size_t kIdle = SIZE_MAX;
    size_t message = kIdle;
    const uint8_t* next = nullptr;  // the next block to compress
    size_t left = 0;                // blocks from `next` on in this stretch
    bool inTail = false;
    size_t tailBlocks = 0;
    alignas(64) uint8_t tail[128];
};

void LayOutLaneTail(const LaneFamily& family, const HashMessage& message, LaneJob& job) {
    const auto* data = static_cast<const uint8_t*>(message.data);
    const size_t rest = size_t(message.length % 64);
    std::memset(job.tail, 0, sizeof job.tail);
    if (rest) std::memcpy(job.tail, data + (message.length - rest), rest);
    job.tail[rest] = 0x80;
    job.tailBlocks = rest + 1 + 8 <= 64 ? 1 : 2;
    uint8_t* field = job.tail + 64 * job.tailBlocks - 8;
    const uint64_t bits = message.length << 3;
    family.bigEndian ? StoreBE64(field, bits) : StoreLE64(field, bits);
}

void RunLanes(const LaneFamily& family, LaneFn compress, const HashMessage* messages, size_t count,
              std::string* digests) {
    alignas(64) uint32_t state[8 * kLanes];
    LaneJob jobs[kLanes];
    size_t nextMessage = 0;
    const auto start = [&](unsigned lane) {
        LaneJob& job = jobs[lane];
        if (nextMessage == count) {
            job.message = LaneJob::kIdle;
            return;
        }
        job.message = nextMessage++;
        const HashMessage& message = messages[job.message];
        for (unsigned w = 0; w < family.words; ++w) state[w * kLanes + lane] = family.initial[w];
        LayOutLaneTail(family, message, job);
        job.next = static_cast<const uint8_t*>(message.data);
        job.left = size_t(message.length / 64);
        job.inTail = job.left == 0;
        if (job.inTail) {
            job.next = job.tail;
            job.left = job.tailBlocks;
        }
    };
    const auto write = [&](const LaneJob& job, const uint32_t* hash) {
        WriteHexWords32(digests[job.message], hash, family.words, family.bigEndian);
    };
    for (unsigned lane = 0; lane < kLanes; ++lane) start(lane);
    for (;;) {
        unsigned busy = 0;
        size_t stretch = SIZE_MAX;
        const uint8_t* anyBlocks = nullptr;
        for (const LaneJob& job : jobs)
            if (job.message != LaneJob::kIdle) {
                ++busy;
                stretch = std::min(stretch, job.left);
                anyBlocks = job.next;
            }
        if (busy == 0) return;
        // A few long messages left: a lane costs a good part of a whole vector's work,
        // so each goes on alone.
        if (nextMessage == count && busy < kLanes / 4) {
            for (unsigned lane = 0; lane < kLanes; ++lane) {
                LaneJob& job = jobs[lane];
                if (job.message == LaneJob::kIdle) continue;
                uint32_t hash[8];
                for (unsigned w = 0; w < family.words; ++w) hash[w] = state[w * kLanes + lane];
                family.single(hash, job.next, job.left);
                if (!job.inTail) family.single(hash, job.tail, job.tailBlocks);
                write(job, hash);
            }
            return;
        }
        // An idle lane repeats a busy lane's blocks, which are there for the whole stretch.
        const uint8_t* data[kLanes];
        for (unsigned lane = 0; lane < kLanes; ++lane)
            data[lane] = jobs[lane].message != LaneJob::kIdle ? jobs[lane].next : anyBlocks;
        compress(state, data, stretch);
        for (unsigned lane = 0; lane < kLanes; ++lane) {
            LaneJob& job = jobs[lane];
            if (job.message == LaneJob::kIdle) continue;
            job.next += 64 * stretch;
            job.left -= stretch;
            if (job.left > 0) continue;
            if (!job.inTail) {
                job.inTail = true;
                job.next = job.tail;
                job.left = job.tailBlocks;
                continue;
            }
            uint32_t hash[8];
            for (unsigned w = 0; w < family.words; ++w) hash[w] = state[w * kLanes + lane];
            write(job, hash);
            start(lane);
        }
    }
}

}  // namespace

namespace {
LaneFn LanesInUse(const LaneFamily& family) {
    if (family.avx512 && Cpu().avx512) return family.avx512;
    if (family.avx2 && Cpu().avx2 && !(family.avx2OnlyWithoutSha && Cpu().sha)) return family.avx2;
    return nullptr;
}
}  // namespace

unsigned LaneCount(const LaneFamily& family) { return LanesInUse(family) ? kLanes : 1; }

void DigestInLanes(const LaneFamily& family, const HashMessage* messages, size_t count, std::string* digests) {
    RunLanes(family, LanesInUse(family), messages, count, digests);
}
