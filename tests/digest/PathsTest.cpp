// Every code path the processor offers (SHA extensions, carry-less multiplication,
// AVX2, AVX-512) against the portable code, over random lengths, splits and alignments.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "DigestTestSupport.h"
#include "FeatureSets.h"

namespace {

std::string InPieces(uint32_t type, const uint8_t* data, size_t length, std::mt19937& random) {
    HashContext context{};
    HashInit(&context, type);
    for (size_t offset = 0; offset < length;) {
        // Mostly large pieces, so that the block paths take whole runs of blocks.
        const size_t piece = std::min<size_t>(random() % 3 == 0 ? random() % 64 : random() % 6000, length - offset);
        HashUpdate(&context, data + offset, uint32_t(piece));
        offset += piece;
    }
    std::string digest;
    HashFinal(&context, digest);
    return digest;
}

}  // namespace

TEST(Paths, FastPathsAgreeWithThePortableCode) {
    const CpuFeatures& cpu = Cpu();
    if (!cpu.avx2 && !cpu.sha && !cpu.pclmul) GTEST_SKIP() << "this processor runs the portable code only";
    const auto message = RandomBytes(70000, 51);
    std::mt19937 random(52);
    std::vector<size_t> lengths = {0, 1, 15, 16, 63, 64, 65, 127, 128, 255, 256, 257, 1023, 1024, 1025, 5551, 5552,
                                   5553, 11104, 65536, 69999};
    for (int i = 0; i < 40; ++i) lengths.push_back(random() % 70000);
    const std::vector<FeatureSet> sets = FeatureSets();
    for (uint32_t type : AllTypes()) {
        for (size_t length : lengths) {
            const size_t offset = random() % 16;
            const size_t usable = std::min(length, message.size() - offset);
            std::string portable;
            {
                Restricted only(CpuFeatures{});
                portable = Digest(type, message.data() + offset, usable);
            }
            for (const FeatureSet& set : sets) {
                Restricted features(set.features);
                ASSERT_EQ(Digest(type, message.data() + offset, usable), portable)
                    << HashTypeName(type) << " " << set.name << ", " << usable << " bytes at +" << offset;
                ASSERT_EQ(InPieces(type, message.data() + offset, usable, random), portable)
                    << HashTypeName(type) << " " << set.name << " in pieces, " << usable << " bytes";
            }
        }
    }
}

// The checksums keep unreduced vector sums between updates and reduce them every few
// megabytes: messages of several of those, in pieces of every size and alignment, some
// of them across a reduction; random bytes, and 0xff bytes, which bring the sums closest
// to their lanes' limits.
TEST(Paths, ChecksumsKeepTheirSumsAcrossManyMegabytesOfPieces) {
    const std::vector<std::vector<uint8_t>> messages = {RandomBytes(9 << 20, 61), std::vector<uint8_t>(9 << 20, 0xff)};
    std::mt19937 random(62);
    for (const auto& message : messages) {
        for (uint32_t type : {HASH_CRC32, HASH_CRC32_MSB, HASH_ADLER32}) {
            std::string portable;
            {
                Restricted only(CpuFeatures{});
                portable = Digest(type, message);
            }
            ASSERT_EQ(Digest(type, message), portable) << HashTypeName(type) << " whole";
            for (size_t largest : {size_t(4096), size_t(300000), size_t(3) << 20}) {
                HashContext context{};
                HashInit(&context, type);
                for (size_t offset = 0; offset < message.size();) {
                    const size_t piece = std::min<size_t>(random() % 4 == 0 ? random() % 200 : random() % largest,
                                                          message.size() - offset);
                    HashUpdate(&context, message.data() + offset, uint32_t(piece));
                    offset += piece;
                }
                std::string digest;
                HashFinal(&context, digest);
                ASSERT_EQ(digest, portable) << HashTypeName(type) << " in pieces up to " << largest;
            }
        }
    }
}

TEST(Paths, RestrictionsTakeOnlyWhatTheyNameAndAreUndone) {
    const CpuFeatures detected = Cpu();
    const CpuFeatures none{};
    HashRestrictFeatures(&none);
    EXPECT_FALSE(Cpu().avx2 || Cpu().sha || Cpu().pclmul || Cpu().vpclmul || Cpu().vpclmul256 || Cpu().avx512 ||
                 Cpu().vnni || Cpu().bmi2 || Cpu().sharedShaUnit);
    CpuFeatures withoutAvx512 = detected;
    withoutAvx512.avx512 = false;
    HashRestrictFeatures(&withoutAvx512);
    EXPECT_FALSE(Cpu().avx512);
    EXPECT_FALSE(Cpu().vpclmul);  // the 512-bit multiply needs AVX-512
    EXPECT_EQ(Cpu().vpclmul256, detected.vpclmul256);
    EXPECT_FALSE(Cpu().vnni);
    EXPECT_EQ(Cpu().sha, detected.sha);
    EXPECT_EQ(Cpu().pclmul, detected.pclmul);
    HashRestrictFeatures(nullptr);
    EXPECT_EQ(Cpu().avx512, detected.avx512);
    EXPECT_EQ(Cpu().vpclmul, detected.vpclmul);
    EXPECT_EQ(HashSelfTest(), HASH_ERR_NONE);
}

// The kernel names the vendor on its own: Intel's cores share the SHA unit, AMD's do not.
TEST(Paths, TheShaUnitIsSharedOnIntelsCoresOnly) {
    std::ifstream info("/proc/cpuinfo");
    std::string line, vendor;
    while (vendor.empty() && std::getline(info, line))
        if (line.rfind("vendor_id", 0) == 0) vendor = line.substr(line.find(':') + 2);
    if (vendor.empty()) GTEST_SKIP() << "no vendor_id in /proc/cpuinfo";
    EXPECT_EQ(MachineFeatures().sharedShaUnit, vendor == "GenuineIntel" && MachineFeatures().sha) << vendor;
}

TEST(Paths, LevelsAllowTheirFeaturesOnly) {
    struct Row {
        CpuLevel level;
        bool sha, avx2, vpclmul256, avx512;
    };
    const Row rows[] = {{CpuLevel::Portable, false, false, false, false},
                        {CpuLevel::Sse4, true, false, false, false},
                        {CpuLevel::Avx2, true, true, true, false},
                        {CpuLevel::Avx512, true, true, true, true}};
    for (const Row& row : rows) {
        const CpuFeatures features = FeaturesUpTo(row.level);
        EXPECT_EQ(features.sha, row.sha) << CpuLevelName(row.level);
        EXPECT_EQ(features.pclmul, row.sha) << CpuLevelName(row.level);
        EXPECT_EQ(features.avx2, row.avx2) << CpuLevelName(row.level);
        EXPECT_EQ(features.vpclmul256, row.vpclmul256) << CpuLevelName(row.level);
        EXPECT_EQ(features.avx512, row.avx512) << CpuLevelName(row.level);
        CpuLevel parsed;
        ASSERT_TRUE(ParseCpuLevel(CpuLevelName(row.level), parsed));
        EXPECT_EQ(parsed, row.level);
    }
    CpuLevel unchanged = CpuLevel::Avx2;
    EXPECT_FALSE(ParseCpuLevel("avx3", unchanged));
    EXPECT_EQ(unchanged, CpuLevel::Avx2);
}

// Run once for every level (see CMakeLists.txt): whatever the processor has, nothing
// above the level named in QUORVIX_DIGEST_LEVEL is used.
TEST(Paths, TheEnvironmentCapsTheLevel) {
    const char* name = std::getenv("QUORVIX_DIGEST_LEVEL");
    CpuLevel level;
    if (!name || !ParseCpuLevel(name, level)) GTEST_SKIP() << "QUORVIX_DIGEST_LEVEL is not set";
    const CpuFeatures allowed = FeaturesUpTo(level), used = Cpu();
    for (bool CpuFeatures::*feature : {&CpuFeatures::avx2, &CpuFeatures::bmi1, &CpuFeatures::bmi2, &CpuFeatures::avx512,
                                       &CpuFeatures::vnni, &CpuFeatures::sha, &CpuFeatures::pclmul,
                                       &CpuFeatures::vpclmul256, &CpuFeatures::vpclmul, &CpuFeatures::sharedShaUnit})
        EXPECT_TRUE(allowed.*feature || !(used.*feature));
    if (level <= MachineLevel()) {
        const CpuFeatures machine = MachineFeatures();
        EXPECT_EQ(used.sha, allowed.sha && machine.sha);
        EXPECT_EQ(used.avx2, allowed.avx2 && machine.avx2);
        EXPECT_EQ(used.avx512, allowed.avx512 && machine.avx512);
    }
}
