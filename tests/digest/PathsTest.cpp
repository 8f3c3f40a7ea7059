// Every code path the processor offers (SHA extensions, carry-less multiplication,
// AVX2, AVX-512) against the portable code, over random lengths, splits and alignments.
#include <gtest/gtest.h>

#include "DigestTestSupport.h"
#include "digest/CryptoUtils.h"

namespace {

class PortableOnly {
public:
    PortableOnly() { HashForcePortable(true); }
    ~PortableOnly() { HashForcePortable(false); }
};

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
    for (uint32_t type : AllTypes()) {
        for (size_t length : lengths) {
            const size_t offset = random() % 16;
            const size_t usable = std::min(length, message.size() - offset);
            std::string portable;
            {
                PortableOnly only;
                portable = Digest(type, message.data() + offset, usable);
            }
            ASSERT_EQ(Digest(type, message.data() + offset, usable), portable)
                << HashTypeName(type) << ", " << usable << " bytes at +" << offset;
            ASSERT_EQ(InPieces(type, message.data() + offset, usable, random), portable)
                << HashTypeName(type) << " in pieces, " << usable << " bytes";
        }
    }
}

TEST(Paths, ForcingThePortableCodeIsUndone) {
    HashForcePortable(true);
    EXPECT_FALSE(Cpu().avx2 || Cpu().sha || Cpu().pclmul || Cpu().vpclmul || Cpu().avx512 || Cpu().bmi2);
    HashForcePortable(false);
    EXPECT_EQ(HashSelfTest(), HASH_ERR_NONE);
}
