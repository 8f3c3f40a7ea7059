// Messages of 4 GiB and more, whose lengths do not fit the 32-bit counters that
// older implementations used. Gigabytes of hashing: run only in release builds.
#include <gtest/gtest.h>

#include "DigestTestSupport.h"
#include "PeerDigests.h"

TEST(LongMessages, PastFourGibibytesMatchThePeers) {
    const auto chunk = RandomBytes(size_t(1) << 20, 41);
    constexpr uint64_t kLength = (uint64_t(1) << 32) + 3;
    for (uint32_t type : {HASH_TIGER192, HASH_RIPEMD160}) {
        HashContext context{};
        ASSERT_EQ(HashInit(&context, type), HASH_ERR_NONE);
        auto peers = PeersFor(type);
        ASSERT_FALSE(peers.empty());
        auto& peer = peers.front();
        for (uint64_t done = 0; done < kLength;) {
            const size_t piece = size_t(std::min<uint64_t>(chunk.size(), kLength - done));
            ASSERT_EQ(HashUpdate(&context, chunk.data(), uint32_t(piece)), HASH_ERR_NONE);
            peer->Update(chunk.data(), piece);
            done += piece;
        }
        std::string digest;
        ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
        EXPECT_EQ(digest, peer->Final()) << HashTypeName(type);
    }
}
