// Capping the processor features a test runs with, and the sets worth running.
#pragma once

#include <vector>

#include "digest/Cpu.h"

using namespace quorvix::digest;

// Restricts the features for the life of the object.
class Restricted {
public:
    explicit Restricted(const CpuFeatures& allowed) { HashRestrictFeatures(&allowed); }
    ~Restricted() { HashRestrictFeatures(nullptr); }
};

struct FeatureSet {
    const char* name;
    CpuFeatures features;
};

// Each instruction-set level up to the processor's, then everything but one feature
// at a time: each set reaches a different choice of paths (SHA extensions without
// AVX-512, 128-bit carry-less multiply without the wider ones, and so on).
inline std::vector<FeatureSet> FeatureSets() {
    const CpuFeatures all = Cpu();
    std::vector<FeatureSet> sets;
    for (CpuLevel level : {CpuLevel::Sse4, CpuLevel::Avx2, CpuLevel::Avx512})
        if (level <= MachineLevel()) sets.push_back({CpuLevelName(level), FeaturesUpTo(level)});
    auto without = [&](const char* name, bool CpuFeatures::*feature) {
        if (!(all.*feature)) return;
        FeatureSet set{name, all};
        set.features.*feature = false;
        sets.push_back(set);
    };
    without("without AVX2", &CpuFeatures::avx2);
    without("without BMI1", &CpuFeatures::bmi1);
    without("without BMI2", &CpuFeatures::bmi2);
    without("without AVX-512", &CpuFeatures::avx512);
    without("without VNNI", &CpuFeatures::vnni);
    without("without SHA", &CpuFeatures::sha);
    without("without PCLMUL", &CpuFeatures::pclmul);
    without("without 512-bit VPCLMULQDQ", &CpuFeatures::vpclmul);
    without("without VPCLMULQDQ", &CpuFeatures::vpclmul256);
    without("SHA unit of its own", &CpuFeatures::sharedShaUnit);
    return sets;
}
