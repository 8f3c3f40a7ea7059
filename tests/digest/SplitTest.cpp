// Any division of a message into updates gives the digest of the whole, at every
// length around the block edges and from unaligned addresses.
#include <gtest/gtest.h>

#include "DigestTestSupport.h"

namespace {

std::string DigestInPieces(uint32_t type, const uint8_t* data, size_t length, std::mt19937& random,
                           size_t maxPiece) {
    HashContext context{};
    EXPECT_EQ(HashInit(&context, type), HASH_ERR_NONE);
    size_t offset = 0;
    while (offset < length) {
        size_t piece = random() % (maxPiece + 1);
        if (piece > length - offset) piece = length - offset;
        EXPECT_EQ(HashUpdate(&context, data + offset, uint32_t(piece)), HASH_ERR_NONE);
        offset += piece;
    }
    std::string digest;
    EXPECT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
    return digest;
}

// Lengths around the 16-, 32-, 64- and 128-byte blocks and their padding limits.
std::vector<size_t> EdgeLengths() {
    std::vector<size_t> lengths;
    for (size_t n = 0; n <= 260; ++n) lengths.push_back(n);
    for (size_t block : {384, 512, 1024, 4096})
        for (size_t n = block - 3; n <= block + 3; ++n) lengths.push_back(n);
    return lengths;
}

}  // namespace

TEST(Splits, RandomSplitsGiveTheWholeDigest) {
    const auto message = RandomBytes(4100, 1);
    std::mt19937 random(2);
    for (uint32_t type : AllTypes()) {
        for (size_t length : EdgeLengths()) {
            const std::string whole = Digest(type, message.data(), length);
            for (size_t maxPiece : {1, 7, 70, 300}) {
                ASSERT_EQ(DigestInPieces(type, message.data(), length, random, maxPiece), whole)
                    << HashTypeName(type) << " length " << length << " pieces up to " << maxPiece;
            }
        }
    }
}

TEST(Splits, EverySplitPointOfOneMessage) {
    const auto message = RandomBytes(300, 3);
    for (uint32_t type : AllTypes()) {
        const std::string whole = Digest(type, message);
        for (size_t cut = 0; cut <= message.size(); ++cut) {
            HashContext context{};
            HashInit(&context, type);
            HashUpdate(&context, message.data(), uint32_t(cut));
            HashUpdate(&context, message.data() + cut, uint32_t(message.size() - cut));
            std::string digest;
            HashFinal(&context, digest);
            ASSERT_EQ(digest, whole) << HashTypeName(type) << " cut at " << cut;
        }
    }
}

TEST(Splits, UnalignedInputGivesTheSameDigest) {
    const auto message = RandomBytes(2000, 4);
    std::vector<uint8_t> shifted(message.size() + 16);
    for (uint32_t type : AllTypes()) {
        const std::string expected = Digest(type, message);
        for (size_t offset = 1; offset < 16; ++offset) {
            std::copy(message.begin(), message.end(), shifted.begin() + long(offset));
            ASSERT_EQ(Digest(type, shifted.data() + offset, message.size()), expected) << type << " +" << offset;
        }
    }
}

TEST(Splits, PassesApplyToEveryUpdate) {
    const auto message = RandomBytes(1000, 5);
    std::mt19937 random(6);
    for (uint32_t type : {HASH_HAVAL160, HASH_HAVAL256, HASH_TIGER192})
        for (uint32_t passes : {4u, 5u}) {
            const std::string whole = Digest(type, message, passes);
            HashContext context{};
            HashInit(&context, type);
            context.passes = passes;
            for (size_t offset = 0; offset < message.size();) {
                const size_t piece = std::min<size_t>(random() % 200, message.size() - offset);
                HashUpdate(&context, message.data() + offset, uint32_t(piece));
                offset += piece;
            }
            std::string digest;
            HashFinal(&context, digest);
            EXPECT_EQ(digest, whole) << type << " passes " << passes;
        }
}
