// Every code path the processor offers (SHA extensions, carry-less multiplication,
// AVX2, AVX-512) against the portable code, over random lengths, splits and alignments.
#include <gtest/gtest.h>

#include "DigestTestSupport.h"
#include "digest/CryptoUtils.h"

namespace {

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

// Everything the processor has, then everything but one feature at a time: each set
// reaches a different choice of paths (SHA extensions without AVX-512, 128-bit
// carry-less multiply without the 512-bit one, and so on).
std::vector<FeatureSet> FeatureSets() {
    const CpuFeatures all = Cpu();
    std::vector<FeatureSet> sets = {{"every feature", all}};
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
    without("without VPCLMULQDQ", &CpuFeatures::vpclmul);
    return sets;
}

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
    EXPECT_FALSE(Cpu().avx2 || Cpu().sha || Cpu().pclmul || Cpu().vpclmul || Cpu().avx512 || Cpu().vnni || Cpu().bmi2);
    CpuFeatures withoutAvx512 = detected;
    withoutAvx512.avx512 = false;
    HashRestrictFeatures(&withoutAvx512);
    EXPECT_FALSE(Cpu().avx512);
    EXPECT_FALSE(Cpu().vpclmul);  // the 512-bit multiply needs AVX-512
    EXPECT_FALSE(Cpu().vnni);
    EXPECT_EQ(Cpu().sha, detected.sha);
    EXPECT_EQ(Cpu().pclmul, detected.pclmul);
    HashRestrictFeatures(nullptr);
    EXPECT_EQ(Cpu().avx512, detected.avx512);
    EXPECT_EQ(Cpu().vpclmul, detected.vpclmul);
    EXPECT_EQ(HashSelfTest(), HASH_ERR_NONE);
}
