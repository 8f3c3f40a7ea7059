#include "Cpu.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "Intrinsics.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace quorvix::digest {

namespace {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// What the processor has and the system saves across task switches: CPUID for the
// instructions, XGETBV for the registers (AVX needs the upper halves of the vector
// registers saved, AVX-512 the mask registers and the upper 256 bits as well).
CpuFeatures Detect() {
    CpuFeatures cpu;
    unsigned eax, ebx, ecx, edx;
    if (!__get_cpuid(0, &eax, &ebx, &ecx, &edx)) return cpu;
    const bool intel = ebx == 0x756e6547 && edx == 0x49656e69 && ecx == 0x6c65746e;  // "GenuineIntel"
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
    cpu.sharedShaUnit = cpu.sha && intel;
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
    both.sharedShaUnit = a.sharedShaUnit && b.sharedShaUnit && both.sha;
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
    features.sharedShaUnit = level >= CpuLevel::Sse4;  // a trait of the cores, allowed at every level with SHA
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

}  // namespace quorvix::digest
