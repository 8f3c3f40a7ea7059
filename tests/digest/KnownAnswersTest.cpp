// Known answers beyond the self-test's own: published digests of the empty message
// and values the algorithms' definitions fix.
#include <gtest/gtest.h>

#include "DigestTestSupport.h"

TEST(SelfTest, AllTypesPass) {
    EXPECT_EQ(HashSelfTest(), HASH_ERR_NONE);
    for (uint32_t type : AllTypes()) EXPECT_EQ(HashTestType(type), HASH_ERR_NONE) << type;
}

TEST(SelfTest, UnknownTypesAreRefused) {
    EXPECT_EQ(HashTestType(256), HASH_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(HashTestType(278), HASH_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(HashTestType(0), HASH_ERR_UNKNOWN_TYPE);
}

TEST(SelfTest, VectorComparesExactly) {
    EXPECT_TRUE(HashTestVector(HASH_MD5, "abc", "900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_FALSE(HashTestVector(HASH_MD5, "abc", "900150983CD24FB0D6963F7D28E17F72"));
    EXPECT_FALSE(HashTestVector(HASH_MD5, "abc", "900150983cd24fb0d6963f7d28e17f7"));
    EXPECT_FALSE(HashTestVector(256, "abc", ""));
}

struct Answer {
    uint32_t type;
    uint32_t passes;  // 0: the default
    std::string message;
    const char* digest;
};

// Sources: RFC 1319/1320/1321 test suites; FIPS 180-2; the RIPEMD and Tiger authors'
// pages; the checksum values of their definitions; HAVAL with this library's padding.
const Answer kAnswers[] = {
    {HASH_MD2, 0, "", "8350e5a3e24c153df2275c9f80692773"},
    {HASH_MD4, 0, "", "31d6cfe0d16ae931b73c59d7e0c089c0"},
    {HASH_MD5, 0, "", "d41d8cd98f00b204e9800998ecf8427e"},
    {HASH_CRC32_MSB, 0, "", "00000000"},
    {HASH_CRC32, 0, "", "00000000"},
    {HASH_ADLER32, 0, "", "00000001"},
    {HASH_CRC32_MSB, 0, "checksum", "7fbeb02e"},
    {HASH_CRC32, 0, "checksum", "9adf6fde"},
    {HASH_CRC32, 0, "123456789", "2639f4cb"},      // check value 0xcbf43926
    {HASH_CRC32_MSB, 0, "123456789", "181989fc"},  // check value 0xfc891918
    {HASH_ADLER32, 0, "resume", "09150292"},
    {HASH_ADLER32, 0, std::string(10000, '\xff'), "b623eb2b"},
    {HASH_ADLER32, 0, "Wikipedia", "11e60398"},
    {HASH_SHA1, 0, "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    {HASH_SHA256, 0, "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {HASH_SHA384, 0, "abc",
     "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7"},
    {HASH_SHA512, 0, "",
     "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
     "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e"},
    {HASH_SHA1, 0, std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    {HASH_TIGER128, 0, "abc", "f258c1e88414ab2a527ab541ffc5b8bf"},
    {HASH_TIGER160, 0, "abc", "f258c1e88414ab2a527ab541ffc5b8bf935f7b95"},
    {HASH_TIGER192, 0, "Tiger", "9f00f599072300dd276abb38c8eb6dec37790c116f9d2bdf"},
    {HASH_RIPEMD160, 0, "a", "0bdc9d2d256b3ee9daae347be6f4dc835a467ffe"},
    {HASH_RIPEMD128, 0, "a", "86be7afa339d0fc7cfc785e72f578d33"},
    {HASH_GOST, 0, "", "ce85b99cc46752fffee35cab9a7b0278abb4c2d2055cff685af4912c49490f8d"},
    {HASH_GOST, 0, "abc", "f3134348c44fb1b2a277729e2285ebb5cb5e0f29c975bc753b70497c06a4d51d"},
    {HASH_HAVAL192, 4, "HAVAL", "74aa31182ff09bcce453a7f71b5a7c5e80872fa90cd93ae4"},
    {HASH_HAVAL256, 5, "abcdefghijklmnopqrstuvwxyz",
     "1a1dc8099bdaa7f35b4da4e805f1a28fee909d8dee920198185cbcaed8a10a8d"},
};

TEST(KnownAnswers, PublishedDigests) {
    for (const Answer& answer : kAnswers)
        EXPECT_EQ(Digest(answer.type, answer.message, answer.passes ? std::optional(answer.passes) : std::nullopt),
                  answer.digest)
            << HashTypeName(answer.type) << " of " << answer.message.size() << " bytes";
}

TEST(KnownAnswers, EveryDigestHasItsLengthInLowercaseHex) {
    const auto message = RandomBytes(1000, 7);
    for (uint32_t type : AllTypes()) {
        const std::string digest = Digest(type, message);
        EXPECT_EQ(digest.size(), HashDigestBits(type) / 4) << type;
        EXPECT_EQ(digest.find_first_not_of("0123456789abcdef"), std::string::npos) << digest;
    }
}

TEST(PassCounts, HavalClampsToThreeAndFive) {
    const auto message = RandomBytes(300, 11);
    for (uint32_t type = HASH_HAVAL128; type <= HASH_HAVAL256; ++type) {
        const std::string three = Digest(type, message, 3), five = Digest(type, message, 5);
        EXPECT_NE(three, Digest(type, message, 4));
        EXPECT_NE(three, five);
        for (uint32_t low : {1u, 2u}) EXPECT_EQ(Digest(type, message, low), three) << low;
        EXPECT_EQ(Digest(type, message, 6), five);
        EXPECT_EQ(Digest(type, message, 0xffffffffu), five);
    }
}

TEST(PassCounts, TigerZeroRunsOnePassAndFourRunsFour) {
    const auto message = RandomBytes(200, 13);
    const std::string one = Digest(HASH_TIGER192, message, 1);
    EXPECT_EQ(Digest(HASH_TIGER192, message, 0), one);
    EXPECT_NE(one, Digest(HASH_TIGER192, message, 3));
    EXPECT_NE(Digest(HASH_TIGER192, message, 4), Digest(HASH_TIGER192, message, 3));
    EXPECT_EQ(Digest(HASH_TIGER128, message, 4), Digest(HASH_TIGER192, message, 4).substr(0, 32));
}

TEST(PassCounts, StringDigestsUseThreePasses) {
    std::string viaString;
    ASSERT_EQ(HashString(HASH_HAVAL256, "abc", viaString), HASH_ERR_NONE);
    EXPECT_EQ(viaString, Digest(HASH_HAVAL256, std::string("abc"), 3));
    ASSERT_EQ(HashString(HASH_TIGER192, "abc", viaString), HASH_ERR_NONE);
    EXPECT_EQ(viaString, "f258c1e88414ab2a527ab541ffc5b8bf935f7b951c132951");
}
