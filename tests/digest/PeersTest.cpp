// Differential tests against independent implementations over random messages.
#include <gtest/gtest.h>

#include "DigestTestSupport.h"
#include "PeerDigests.h"

namespace {

std::vector<size_t> Lengths() {
    std::vector<size_t> lengths;
    for (size_t n = 0; n <= 1100; n += (n < 300 ? 1 : 7)) lengths.push_back(n);
    for (size_t n : {4095, 4096, 65537, 1000003}) lengths.push_back(n);
    return lengths;
}

void ExpectPeersAgree(uint32_t type, const uint8_t* data, size_t length) {
    const std::string ours = Digest(type, data, length);
    for (auto& peer : PeersFor(type)) {
        peer->Update(data, length);
        ASSERT_EQ(ours, peer->Final()) << HashTypeName(type) << " vs " << peer->Name() << ", " << length << " bytes";
    }
}

}  // namespace

TEST(Peers, EveryPeeredTypeHasAPeer) {
    for (uint32_t type : {HASH_MD4, HASH_MD5, HASH_CRC32_MSB, HASH_CRC32, HASH_ADLER32, HASH_GOST, HASH_SHA1,
                          HASH_SHA256, HASH_SHA384, HASH_SHA512, HASH_TIGER128, HASH_TIGER160, HASH_TIGER192,
                          HASH_RIPEMD160})
        EXPECT_FALSE(PeersFor(type).empty()) << type;
}

TEST(Peers, RandomMessagesOfManyLengths) {
    const auto message = RandomBytes(1000003, 31);
    for (uint32_t type : AllTypes())
        for (size_t length : Lengths()) ExpectPeersAgree(type, message.data(), length);
}

TEST(Peers, AllOnesMessagesCarryThroughSums) {
    // 0xff bytes drive the GOST block sum and the Adler-32 sums to their limits.
    const std::vector<uint8_t> ones(70000, 0xff);
    for (uint32_t type : AllTypes())
        for (size_t length : {31, 32, 33, 64, 96, 5552, 5553, 70000}) ExpectPeersAgree(type, ones.data(), length);
}
