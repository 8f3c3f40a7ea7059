// Result codes, the context's life cycle and bad input at the interface.
#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "DigestTestSupport.h"

TEST(Interface, NullContextIsReportedFirst) {
    std::string digest = "kept";
    EXPECT_EQ(HashInit(nullptr, HASH_MD5), HASH_ERR_NULL_CONTEXT);
    EXPECT_EQ(HashInit(nullptr, 999), HASH_ERR_NULL_CONTEXT);
    EXPECT_EQ(HashUpdate(nullptr, "a", 1), HASH_ERR_NULL_CONTEXT);
    EXPECT_EQ(HashFinal(nullptr, digest), HASH_ERR_NULL_CONTEXT);
    EXPECT_EQ(digest, "kept");
}

TEST(Interface, NewContextHasNoStateWhateverItsMemoryHeld) {
    // A context made where another lay (a reused buffer, an old stack frame).
    alignas(HashContext) unsigned char memory[sizeof(HashContext)];
    std::memset(memory, 0xa5, sizeof memory);
    auto* context = new (memory) HashContext{};
    EXPECT_FALSE(context->state);
    EXPECT_EQ(context->hashType, 0u);
    EXPECT_EQ(context->passes, 0u);
    EXPECT_EQ(HashUpdate(context, "a", 1), HASH_ERR_INVALID_CONTEXT);
    context->~HashContext();
}

TEST(Interface, UnknownTypeIsStoredButNotStarted) {
    for (uint32_t type : {0u, 256u, 278u, 0xffffffffu}) {
        HashContext context{};
        EXPECT_EQ(HashInit(&context, type), HASH_ERR_UNKNOWN_TYPE);
        EXPECT_EQ(context.hashType, type);
        EXPECT_FALSE(context.state);
        // A context without a state is "invalid" before its type is looked at.
        EXPECT_EQ(HashUpdate(&context, "a", 1), HASH_ERR_INVALID_CONTEXT);
        std::string digest = "kept";
        EXPECT_EQ(HashFinal(&context, digest), HASH_ERR_INVALID_CONTEXT);
        EXPECT_EQ(digest, "kept");
    }
    std::string digest = "kept";
    EXPECT_EQ(HashString(278, "abc", digest), HASH_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(digest, "kept");
}

TEST(Interface, FinishedContextIsEmptyForEveryType) {
    for (uint32_t type : AllTypes()) {
        HashContext context{};
        ASSERT_EQ(HashInit(&context, type), HASH_ERR_NONE);
        std::string digest;
        ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
        EXPECT_FALSE(context.state);
        EXPECT_EQ(HashUpdate(&context, "abc", 3), HASH_ERR_INVALID_CONTEXT) << type;
        std::string again = "kept";
        EXPECT_EQ(HashFinal(&context, again), HASH_ERR_INVALID_CONTEXT) << type;
        EXPECT_EQ(again, "kept");
        // The same context starts a new digest, of another type too.
        ASSERT_EQ(HashInit(&context, type == HASH_MD5 ? HASH_SHA1 : HASH_MD5), HASH_ERR_NONE);
        EXPECT_EQ(HashFinal(&context, again), HASH_ERR_NONE);
    }
}

TEST(Interface, TypeChangedToUnknownCodeKeepsTheDigest) {
    HashContext context{};
    ASSERT_EQ(HashInit(&context, HASH_SHA256), HASH_ERR_NONE);
    ASSERT_EQ(HashUpdate(&context, "a", 1), HASH_ERR_NONE);
    context.hashType = 999;
    std::string digest = "kept";
    EXPECT_EQ(HashUpdate(&context, "b", 1), HASH_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(HashFinal(&context, digest), HASH_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(digest, "kept");
    EXPECT_TRUE(context.state);
    context.hashType = HASH_SHA256;
    ASSERT_EQ(HashUpdate(&context, "bc", 2), HASH_ERR_NONE);
    ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
    EXPECT_EQ(digest, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(Interface, TypeChangedToAnotherAlgorithmIsRefused) {
    // The state record belongs to MD2; running SHA-512 on it would overrun it.
    HashContext context{};
    ASSERT_EQ(HashInit(&context, HASH_MD2), HASH_ERR_NONE);
    context.hashType = HASH_SHA512;
    std::string digest = "kept";
    EXPECT_EQ(HashUpdate(&context, "abc", 3), HASH_ERR_INVALID_CONTEXT);
    EXPECT_EQ(HashFinal(&context, digest), HASH_ERR_INVALID_CONTEXT);
    EXPECT_EQ(digest, "kept");
    context.hashType = HASH_MD2;
    ASSERT_EQ(HashUpdate(&context, "abc", 3), HASH_ERR_NONE);
    ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
    EXPECT_EQ(digest, "da853b0d3f88d99b30283a69e6ded6bb");
}

TEST(Interface, NullDataWithLengthReadsNothing) {
    HashContext context{};
    ASSERT_EQ(HashInit(&context, HASH_MD5), HASH_ERR_NONE);
    ASSERT_EQ(HashUpdate(&context, "ab", 2), HASH_ERR_NONE);
    EXPECT_EQ(HashUpdate(&context, nullptr, 100), HASH_ERR_READ_FILE);
    EXPECT_EQ(HashUpdate(&context, nullptr, 0), HASH_ERR_NONE);
    ASSERT_EQ(HashUpdate(&context, "c", 1), HASH_ERR_NONE);
    std::string digest;
    ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
    EXPECT_EQ(digest, "900150983cd24fb0d6963f7d28e17f72");
}

TEST(Interface, CopiedContextGoesOnAsADigestOfItsOwn) {
    // The state lives in the context: a copy mid-digest forks it, and a second HashInit
    // on an active context starts over.
    const auto message = RandomBytes(300, 5);
    for (uint32_t type : AllTypes()) {
        HashContext context{};
        ASSERT_EQ(HashInit(&context, type), HASH_ERR_NONE);
        ASSERT_EQ(HashUpdate(&context, message.data(), 200), HASH_ERR_NONE);
        HashContext fork = context;
        ASSERT_EQ(HashUpdate(&fork, message.data() + 200, 100), HASH_ERR_NONE);
        std::string whole, head;
        ASSERT_EQ(HashFinal(&fork, whole), HASH_ERR_NONE);
        ASSERT_EQ(HashFinal(&context, head), HASH_ERR_NONE);
        EXPECT_EQ(whole, Digest(type, message)) << type;
        EXPECT_EQ(head, Digest(type, message.data(), 200)) << type;
    }
    HashContext context{};
    ASSERT_EQ(HashInit(&context, HASH_GOST), HASH_ERR_NONE);
    ASSERT_EQ(HashUpdate(&context, "abc", 3), HASH_ERR_NONE);
    ASSERT_EQ(HashInit(&context, HASH_MD5), HASH_ERR_NONE);
    std::string digest;
    ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
    EXPECT_EQ(digest, "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(Interface, InitSetsPassesOnlyForHavalAndTiger) {
    for (uint32_t type : AllTypes()) {
        HashContext context{};
        context.passes = 42;
        ASSERT_EQ(HashInit(&context, type), HASH_ERR_NONE);
        const bool usesPasses = (type >= HASH_HAVAL128 && type <= HASH_HAVAL256) ||
                                (type >= HASH_TIGER128 && type <= HASH_TIGER192);
        EXPECT_EQ(context.passes, usesPasses ? 3u : 42u) << type;
    }
}

TEST(Interface, ListTypes) {
    uint32_t types[100];
    std::memset(types, 0, sizeof types);
    EXPECT_EQ(HashListTypes(types, 0), 0u);
    EXPECT_EQ(types[0], 0u);
    EXPECT_EQ(HashListTypes(types, 5), 5u);
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(types[i], 257 + i);
    EXPECT_EQ(types[5], 0u);
    EXPECT_EQ(HashListTypes(types, 100), 21u);
    for (uint32_t i = 0; i < 21; ++i) EXPECT_EQ(types[i], 257 + i);
    EXPECT_EQ(types[21], 0u);
    EXPECT_EQ(HashListTypes(nullptr, 10), 0u);
}

TEST(Interface, ErrorTexts) {
    const char* texts[] = {"No error",         "Unknown hash type",   "Hash context is null",
                           "Invalid hash context", "Could not read file", "Could not open file",
                           "Hash test failed"};
    for (uint32_t code = 0; code < 7; ++code) EXPECT_STREQ(HashErrorText(code), texts[code]);
    EXPECT_STREQ(HashErrorText(7), "Unknown error");
    EXPECT_STREQ(HashErrorText(0xffffffffu), "Unknown error");
}

TEST(Interface, TypeNamesAndLengths) {
    EXPECT_STREQ(HashTypeName(HASH_MD5), "MD5");
    EXPECT_STREQ(HashTypeName(HASH_CRC32_MSB), "CRC32-MSB");
    EXPECT_EQ(HashTypeName(278), nullptr);
    EXPECT_EQ(HashDigestBits(HASH_HAVAL224), 224u);
    EXPECT_EQ(HashDigestBits(HASH_GOST), 256u);
    EXPECT_EQ(HashDigestBits(256), 0u);
}

TEST(Interface, StringHashesItsBytesIncludingNul) {
    std::string withNul, plain;
    ASSERT_EQ(HashString(HASH_SHA1, std::string_view("a\0b", 3), withNul), HASH_ERR_NONE);
    ASSERT_EQ(HashString(HASH_SHA1, "ab", plain), HASH_ERR_NONE);
    EXPECT_NE(withNul, plain);
    EXPECT_EQ(withNul, Digest(HASH_SHA1, std::string("a\0b", 3)));
}
