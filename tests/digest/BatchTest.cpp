// HashBatch: many whole messages at once give exactly the digests one at a time gives,
// whatever the lanes, the lengths, the order of long and short messages, and the
// memory the messages end at.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include "DigestTestSupport.h"
#include "FeatureSets.h"

namespace {

constexpr uint32_t kLaneTypes[] = {HASH_MD5, HASH_SHA1, HASH_SHA256, HASH_SHA384, HASH_SHA512};

// The lengths that meet the edges of 64- and 128-byte blocks: the padding fits in the last
// block or needs one more, no tail at all, and runs of whole blocks.
const std::vector<size_t> kEdgeLengths = {0,   1,   3,   55,  56,  57,  63,   64,   65,   111,   112,  113,
                                          119, 120, 121, 127, 128, 129, 191,  192,  239,  240,   255,  256,
                                          257, 1000, 1024, 4103, 65536, 70001};

std::vector<HashMessage> MessagesOf(const std::vector<uint8_t>& bytes, const std::vector<size_t>& lengths,
                                    std::mt19937& random) {
    std::vector<HashMessage> messages;
    for (size_t length : lengths) {
        const size_t offset = random() % (bytes.size() - length + 1);
        messages.push_back({bytes.data() + offset, length});
    }
    return messages;
}

// The digests one message at a time, with the portable code only.
std::vector<std::string> OneByOne(uint32_t type, const std::vector<HashMessage>& messages, uint32_t passes = 0) {
    Restricted portable(CpuFeatures{});
    std::vector<std::string> digests;
    for (const HashMessage& m : messages)
        digests.push_back(Digest(type, static_cast<const uint8_t*>(m.data), size_t(m.length),
                                 passes ? std::optional<uint32_t>(passes) : std::nullopt));
    return digests;
}

std::vector<std::string> Batch(uint32_t type, const std::vector<HashMessage>& messages, uint32_t passes = 0) {
    std::vector<std::string> digests(messages.size(), "unwritten");
    EXPECT_EQ(HashBatch(type, messages.data(), messages.size(), digests.data(), passes), HASH_ERR_NONE);
    return digests;
}

// The processor's feature sets, and AVX2 without the SHA instructions, where SHA-256
// takes its AVX2 lanes.
std::vector<FeatureSet> LaneFeatureSets() {
    std::vector<FeatureSet> sets = FeatureSets();
    if (Cpu().avx2) {
        FeatureSet set{"AVX2 without SHA", FeaturesUpTo(CpuLevel::Avx2)};
        set.features.sha = false;
        sets.push_back(set);
    }
    return sets;
}

}  // namespace

TEST(Batch, EveryTypeGivesTheDigestsOfItsMessagesOneByOne) {
    const auto bytes = RandomBytes(80000, 71);
    std::mt19937 random(72);
    const std::vector<HashMessage> messages = MessagesOf(bytes, kEdgeLengths, random);
    for (uint32_t type : AllTypes()) {
        EXPECT_EQ(Batch(type, messages), OneByOne(type, messages)) << HashTypeName(type);
        // Pass counts reach the types that have them, as HashContext::passes does.
        if (type >= HASH_HAVAL128 && type <= HASH_HAVAL256) {
            EXPECT_EQ(Batch(type, messages, 5), OneByOne(type, messages, 5)) << HashTypeName(type) << " 5 passes";
        }
        if (type >= HASH_TIGER128 && type <= HASH_TIGER192) {
            EXPECT_EQ(Batch(type, messages, 4), OneByOne(type, messages, 4)) << HashTypeName(type) << " 4 passes";
        }
    }
}

// Batches smaller than, equal to and larger than the lanes, of mixed lengths, so that
// lanes end at different blocks and take new messages; at every level the processor has.
TEST(Batch, LanesAgreeWithTheOneMessageCodeAtEveryLevel) {
    const auto bytes = RandomBytes(300000, 73);
    std::mt19937 random(74);
    for (uint32_t type : kLaneTypes) {
        for (size_t count : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 64, 100}) {
            std::vector<size_t> lengths;
            for (size_t i = 0; i < count; ++i)
                lengths.push_back(random() % 3 == 0 ? kEdgeLengths[random() % kEdgeLengths.size()] : random() % 5000);
            const std::vector<HashMessage> messages = MessagesOf(bytes, lengths, random);
            const std::vector<std::string> expected = OneByOne(type, messages);
            for (const FeatureSet& set : LaneFeatureSets()) {
                Restricted features(set.features);
                ASSERT_EQ(Batch(type, messages), expected)
                    << HashTypeName(type) << ", " << count << " messages, " << set.name << " (" << HashBatchLanes(type)
                    << " lanes)";
            }
        }
    }
}

// One long message among short ones, first, in the middle and last: the long one's
// lane runs on while the others take new messages, and ends alone.
TEST(Batch, LongMessagesAmongShortOnesEndRight) {
    const auto bytes = RandomBytes(600000, 75);
    std::mt19937 random(76);
    for (uint32_t type : kLaneTypes) {
        for (size_t place : {size_t(0), size_t(20), size_t(39)}) {
            std::vector<size_t> lengths(40);
            for (size_t& length : lengths) length = random() % 3000;
            lengths[place] = 500000 + random() % 64;
            if (place == 20) lengths[5] = 200000;  // two long ones end at different times
            const std::vector<HashMessage> messages = MessagesOf(bytes, lengths, random);
            EXPECT_EQ(Batch(type, messages), OneByOne(type, messages)) << HashTypeName(type) << ", long at " << place;
        }
    }
}

// Messages that end where readable memory ends: nothing past a message is read.
TEST(Batch, NothingPastAMessageIsRead) {
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    void* mapped = mmap(nullptr, 3 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto* area = static_cast<uint8_t*>(mapped);
    ASSERT_EQ(mprotect(area + 2 * page, page, PROT_NONE), 0);
    const auto bytes = RandomBytes(2 * page, 77);
    std::copy(bytes.begin(), bytes.end(), area);
    const uint8_t* end = area + 2 * page;
    for (uint32_t type : kLaneTypes) {
        std::vector<HashMessage> messages;
        for (size_t length : kEdgeLengths)
            if (length <= 2 * page) messages.push_back({end - length, length});
        for (size_t i = 0; i < 20; ++i) messages.push_back({end - 64 * i - 7, 64 * i + 7});
        EXPECT_EQ(Batch(type, messages), OneByOne(type, messages)) << HashTypeName(type);
    }
    munmap(mapped, 3 * page);
}

TEST(Batch, BadArgumentsWriteNoDigest) {
    const uint8_t byte = 1;
    std::vector<std::string> digests(3, "kept");
    const HashMessage good[] = {{&byte, 1}, {nullptr, 0}, {&byte, 1}};
    const HashMessage bad[] = {{&byte, 1}, {nullptr, 5}, {&byte, 1}};
    EXPECT_EQ(HashBatch(HASH_MD5, bad, 3, digests.data()), HASH_ERR_READ_FILE);
    EXPECT_EQ(HashBatch(HASH_MD5, nullptr, 3, digests.data()), HASH_ERR_NULL_CONTEXT);
    EXPECT_EQ(HashBatch(HASH_MD5, good, 3, nullptr), HASH_ERR_NULL_CONTEXT);
    EXPECT_EQ(HashBatch(1234, good, 3, digests.data()), HASH_ERR_UNKNOWN_TYPE);
    EXPECT_EQ(digests, std::vector<std::string>(3, "kept"));
    EXPECT_EQ(HashBatch(HASH_MD5, nullptr, 0, nullptr), HASH_ERR_NONE);
    // An empty message may have no data.
    ASSERT_EQ(HashBatch(HASH_MD5, good, 3, digests.data()), HASH_ERR_NONE);
    EXPECT_EQ(digests[1], "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(Batch, LaneCountsFollowTheFeaturesInUse) {
    {
        Restricted portable(CpuFeatures{});
        for (uint32_t type : AllTypes()) EXPECT_EQ(HashBatchLanes(type), 1u) << HashTypeName(type);
    }
    EXPECT_EQ(HashBatchLanes(HASH_CRC32), 1u);
    EXPECT_EQ(HashBatchLanes(1234), 1u);
    struct Row {
        const char* name;
        CpuLevel level;
        bool sha, sharedShaUnit;
        uint32_t md5, sha1, sha256, sha512;
    };
    // SHA-256's AVX2 lanes are no faster than the SHA instructions: used only without them;
    // SHA-1's only where the instructions share their unit with the schedule (Intel's).
    // SHA-384/512's 64-bit words: four to an AVX2 vector, eight to an AVX-512 one.
    const Row rows[] = {{"sse4", CpuLevel::Sse4, true, false, 1, 1, 1, 1},
                        {"avx2, SHA unit shared", CpuLevel::Avx2, true, true, 16, 16, 1, 4},
                        {"avx2, SHA unit of its own", CpuLevel::Avx2, true, false, 16, 1, 1, 4},
                        {"avx2 without SHA", CpuLevel::Avx2, false, false, 16, 16, 16, 4},
                        {"avx512", CpuLevel::Avx512, true, false, 16, 16, 16, 8}};
    // The rows this run can reach: QUORVIX_DIGEST_LEVEL may cap the machine's level, and a
    // restriction only takes features away.
    const CpuFeatures& inUse = Cpu();
    const auto reachable = [&](const Row& row) {
        return row.level <= MachineLevel() && (row.level < CpuLevel::Avx2 || inUse.avx2) &&
               (row.level < CpuLevel::Avx512 || inUse.avx512) && (!row.sharedShaUnit || inUse.sharedShaUnit);
    };
    for (const Row& row : rows) {
        if (!reachable(row)) continue;
        CpuFeatures features = FeaturesUpTo(row.level);
        features.sha = row.sha;
        features.sharedShaUnit = row.sharedShaUnit;
        Restricted restricted(features);
        EXPECT_EQ(HashBatchLanes(HASH_MD5), row.md5) << row.name;
        EXPECT_EQ(HashBatchLanes(HASH_SHA1), row.sha1) << row.name;
        EXPECT_EQ(HashBatchLanes(HASH_SHA256), row.sha256) << row.name;
        EXPECT_EQ(HashBatchLanes(HASH_SHA384), row.sha512) << row.name;
        EXPECT_EQ(HashBatchLanes(HASH_SHA512), row.sha512) << row.name;
    }
}
