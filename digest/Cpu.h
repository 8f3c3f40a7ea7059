// Which of the fast paths the processor in use may take, and the level override.
#pragma once

namespace quorvix::digest {

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
    // Intel's cores run sha1msg2 and sha1nexte on the unit of the SHA-1 rounds, where
    // they wait behind them; AMD's do not, and there the plain instructions are faster
    // than a schedule made of AVX-512 operations.
    bool sharedShaUnit = false;
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

}  // namespace quorvix::digest
