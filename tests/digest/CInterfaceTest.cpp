// The C interface: the same digests as the C++ one, the caller's buffer never
// overrun, and a handle's misuse refused with a code.
#include <gtest/gtest.h>

#include <cstring>

#include "DigestTestSupport.h"
#include "digest/CryptoC.h"

namespace {

std::string BufferDigest(uint32_t type, const std::vector<uint8_t>& data) {
    char hex[QX_MAX_HEX];
    EXPECT_EQ(qx_digest_buffer(type, data.data(), data.size(), hex, sizeof hex), QX_OK);
    return hex;
}

}  // namespace

TEST(CInterface, EveryTypeDigestsAsTheCppInterfaceInOneCallOrPieces) {
    const std::vector<uint8_t> message = RandomBytes(1000, 17);
    uint32_t types[64];
    ASSERT_EQ(qx_list_types(types, 64), HASH_TYPE_COUNT);
    for (uint32_t i = 0; i < HASH_TYPE_COUNT; ++i) {
        const uint32_t type = types[i];
        SCOPED_TRACE(qx_type_name(type));
        EXPECT_STREQ(qx_type_name(type), HashTypeName(type));
        EXPECT_EQ(qx_digest_bits(type), HashDigestBits(type));
        const std::string expected = Digest(type, message);
        EXPECT_EQ(BufferDigest(type, message), expected);
        qx_digest* digest = nullptr;
        ASSERT_EQ(qx_digest_new(&digest, type), QX_OK);
        for (size_t at = 0; at < message.size(); at += 333)
            ASSERT_EQ(qx_digest_update(digest, message.data() + at, std::min<size_t>(333, message.size() - at)), QX_OK);
        char hex[QX_MAX_HEX];
        ASSERT_EQ(qx_digest_final(digest, hex, sizeof hex), QX_OK);
        EXPECT_EQ(hex, expected);
        EXPECT_EQ(std::strlen(hex), qx_digest_bits(type) / 4);
        qx_digest_free(digest);
    }
    EXPECT_EQ(qx_list_types(types, 2), 2u);  // no more than asked for
    EXPECT_EQ(qx_self_test(), QX_OK);
}

TEST(CInterface, TooSmallABufferIsRefusedAndTheDigestGoesOn) {
    qx_digest* digest = nullptr;
    ASSERT_EQ(qx_digest_new(&digest, QX_SHA256), QX_OK);
    ASSERT_EQ(qx_digest_update(digest, "ab", 2), QX_OK);
    char hex[QX_MAX_HEX];
    std::memset(hex, '#', sizeof hex);
    EXPECT_EQ(qx_digest_final(digest, hex, 64), QX_ERR_BUFFER_TOO_SMALL);  // no room for the NUL
    EXPECT_EQ(hex[0], '#');
    EXPECT_EQ(qx_digest_final(digest, nullptr, 100), QX_ERR_BUFFER_TOO_SMALL);
    ASSERT_EQ(qx_digest_update(digest, "c", 1), QX_OK);
    ASSERT_EQ(qx_digest_final(digest, hex, 65), QX_OK);
    EXPECT_STREQ(hex, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hex[65], '#');  // nothing written past the digest's text
    qx_digest_free(digest);

    char crc[9];
    EXPECT_EQ(qx_digest_buffer(QX_CRC32, "abc", 3, crc, 8), QX_ERR_BUFFER_TOO_SMALL);
    ASSERT_EQ(qx_digest_buffer(QX_CRC32, "abc", 3, crc, 9), QX_OK);
    EXPECT_EQ(crc, Digest(HASH_CRC32, std::string("abc")));
}

TEST(CInterface, PassCountsOnlyWhereTheyBelongAndBeforeData) {
    const std::string message = "The quick brown fox";
    qx_digest* digest = nullptr;
    ASSERT_EQ(qx_digest_new(&digest, QX_HAVAL256), QX_OK);
    EXPECT_EQ(qx_digest_set_passes(digest, 2), QX_ERR_BAD_PASSES);
    EXPECT_EQ(qx_digest_set_passes(digest, 6), QX_ERR_BAD_PASSES);
    ASSERT_EQ(qx_digest_set_passes(digest, 5), QX_OK);
    ASSERT_EQ(qx_digest_update(digest, message.data(), message.size()), QX_OK);
    EXPECT_EQ(qx_digest_set_passes(digest, 4), QX_ERR_BAD_PASSES);  // a digest of mixed passes would be wrong
    char hex[QX_MAX_HEX];
    ASSERT_EQ(qx_digest_final(digest, hex, sizeof hex), QX_OK);
    EXPECT_EQ(hex, Digest(HASH_HAVAL256, message, 5));
    EXPECT_NE(hex, Digest(HASH_HAVAL256, message));
    qx_digest_free(digest);

    ASSERT_EQ(qx_digest_new(&digest, QX_MD5), QX_OK);
    EXPECT_EQ(qx_digest_set_passes(digest, 4), QX_ERR_BAD_PASSES);
    qx_digest_free(digest);

    // Tiger takes any count the library computes, as HashContext::passes does.
    for (uint32_t passes : {1u, 2u, 6u}) {
        ASSERT_EQ(qx_digest_new(&digest, QX_TIGER192), QX_OK);
        ASSERT_EQ(qx_digest_set_passes(digest, passes), QX_OK) << passes;
        ASSERT_EQ(qx_digest_update(digest, message.data(), message.size()), QX_OK);
        ASSERT_EQ(qx_digest_final(digest, hex, sizeof hex), QX_OK);
        EXPECT_EQ(hex, Digest(HASH_TIGER192, message, passes)) << passes;
        qx_digest_free(digest);
    }
}

TEST(CInterface, MisuseIsReportedNotFollowed) {
    qx_digest* digest = reinterpret_cast<qx_digest*>(&digest);
    EXPECT_EQ(qx_digest_new(&digest, 999), QX_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(digest, nullptr);
    EXPECT_EQ(qx_digest_new(nullptr, QX_MD5), QX_ERR_NULL_CONTEXT);
    EXPECT_EQ(qx_digest_update(nullptr, "a", 1), QX_ERR_NULL_CONTEXT);
    char hex[QX_MAX_HEX];
    EXPECT_EQ(qx_digest_final(nullptr, hex, sizeof hex), QX_ERR_NULL_CONTEXT);
    EXPECT_EQ(qx_digest_set_passes(nullptr, 3), QX_ERR_NULL_CONTEXT);
    qx_digest_free(nullptr);

    ASSERT_EQ(qx_digest_new(&digest, QX_MD5), QX_OK);
    EXPECT_EQ(qx_digest_update(digest, nullptr, 5), QX_ERR_READ);
    EXPECT_EQ(qx_digest_update(digest, nullptr, 0), QX_OK);
    ASSERT_EQ(qx_digest_final(digest, hex, sizeof hex), QX_OK);
    EXPECT_STREQ(hex, "d41d8cd98f00b204e9800998ecf8427e");
    // A spent handle refuses more work until it is freed.
    EXPECT_EQ(qx_digest_update(digest, "a", 1), QX_ERR_INVALID_CONTEXT);
    EXPECT_EQ(qx_digest_final(digest, hex, sizeof hex), QX_ERR_INVALID_CONTEXT);
    qx_digest_free(digest);

    EXPECT_EQ(qx_digest_buffer(999, "a", 1, hex, sizeof hex), QX_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(qx_digest_buffer(QX_MD5, nullptr, 1, hex, sizeof hex), QX_ERR_READ);
    EXPECT_EQ(qx_type_name(999), nullptr);
    EXPECT_EQ(qx_digest_bits(999), 0u);
}

TEST(CInterface, EveryCodeHasItsText) {
    const std::pair<int, const char*> texts[] = {
        {QX_OK, HashErrorText(HASH_ERR_NONE)},
        {QX_ERR_TEST_FAILED, HashErrorText(HASH_ERR_TEST_FAILED)},
        {QX_ERR_BUFFER_TOO_SMALL, "Buffer too small for the digest"},
        {QX_ERR_BAD_PASSES, "Pass count not allowed here"},
        {-1, "Unknown error"},
        {99, "Unknown error"},
    };
    for (const auto& [code, text] : texts) EXPECT_STREQ(qx_error_text(code), text) << code;
}

// Many messages at once: each text in its own stride of the caller's buffer, exactly as
// long as the digest; a stride too short for the type, or missing arrays, write nothing.
TEST(CInterface, BatchesWriteEachDigestInItsStride) {
    const std::vector<uint8_t> bytes = RandomBytes(40000, 18);
    std::vector<const void*> data;
    std::vector<size_t> lengths;
    for (size_t i = 0; i < 37; ++i) {
        lengths.push_back(i * i * 29 % 5000);
        data.push_back(bytes.data() + i * 1000);
    }
    data[3] = nullptr;  // an empty message needs no data
    lengths[3] = 0;
    for (uint32_t type : {HASH_MD5, HASH_SHA1, HASH_SHA256, HASH_SHA512, HASH_CRC32}) {
        SCOPED_TRACE(qx_type_name(type));
        const size_t stride = qx_digest_bits(type) / 4 + 1;
        std::vector<char> hex(data.size() * stride + 1, '#');
        ASSERT_EQ(qx_digest_batch(type, data.data(), lengths.data(), data.size(), hex.data(), stride), QX_OK);
        for (size_t i = 0; i < data.size(); ++i)
            EXPECT_EQ(std::string(hex.data() + i * stride), Digest(type, static_cast<const uint8_t*>(data[i]), lengths[i]))
                << "message " << i;
        EXPECT_EQ(hex.back(), '#');  // nothing past the last stride
    }
    std::vector<char> hex(data.size() * QX_MAX_HEX, '#');
    const std::vector<char> untouched = hex;
    EXPECT_EQ(qx_digest_batch(QX_SHA256, data.data(), lengths.data(), data.size(), hex.data(), 64),
              QX_ERR_BUFFER_TOO_SMALL);
    EXPECT_EQ(qx_digest_batch(QX_SHA256, nullptr, lengths.data(), data.size(), hex.data(), QX_MAX_HEX),
              QX_ERR_NULL_CONTEXT);
    EXPECT_EQ(qx_digest_batch(QX_SHA256, data.data(), nullptr, data.size(), hex.data(), QX_MAX_HEX),
              QX_ERR_NULL_CONTEXT);
    EXPECT_EQ(qx_digest_batch(QX_SHA256, data.data(), lengths.data(), data.size(), nullptr, QX_MAX_HEX),
              QX_ERR_BUFFER_TOO_SMALL);
    EXPECT_EQ(qx_digest_batch(999, data.data(), lengths.data(), data.size(), hex.data(), QX_MAX_HEX),
              QX_ERR_UNKNOWN_TYPE);
    for (size_t stride : {SIZE_MAX / 2, SIZE_MAX})  // strides past the address space
        EXPECT_EQ(qx_digest_batch(QX_MD5, data.data(), lengths.data(), data.size(), hex.data(), stride),
                  QX_ERR_BUFFER_TOO_SMALL);
    lengths[3] = 5;  // no data, but a length
    EXPECT_EQ(qx_digest_batch(QX_MD5, data.data(), lengths.data(), data.size(), hex.data(), QX_MAX_HEX), QX_ERR_READ);
    EXPECT_EQ(hex, untouched);
    EXPECT_EQ(qx_digest_batch(QX_MD5, nullptr, nullptr, 0, nullptr, 0), QX_OK);
}
