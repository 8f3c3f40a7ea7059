#include <gtest/gtest.h>

#include <algorithm>

#include "SeedZeroDeal.h"
#include "model/RandomSource.h"

TEST(RandomSource, DealOfSeedZero) {
    RandomSource random(0);
    EXPECT_EQ(Deal(random), kSeedZeroDeal);
}

TEST(RandomSource, ClockSeedIsMillisecondsSinceMidnight) {
    EXPECT_EQ(ClockSeed(0, 0, 0, 0), 0u);
    EXPECT_EQ(ClockSeed(0, 0, 1, 5), 1005u);
    EXPECT_EQ(ClockSeed(23, 59, 59, 999), 86399999u);
}

TEST(RandomSource, DrawAdvancesTheSeedEvenForZero) {
    RandomSource a(7), b(7);
    EXPECT_EQ(a.Draw(0), 0u);
    b.Draw(100);
    EXPECT_EQ(a.Draw(1u << 31), b.Draw(1u << 31));
    RandomSource c(0);
    // seed 1 after one step: floor(36 * 1 / 2^32) = 0; the next seed is 134775814.
    EXPECT_EQ(c.Draw(36), 0u);
    EXPECT_EQ(c.Draw(1000), uint32_t((uint64_t(1000) * 134775814u) >> 32));
}

TEST(RandomSource, EveryDealIsOneCycleWithEachValueTwice) {
    for (uint32_t seed : {0u, 1u, 999u, 43200000u, 86399999u, 0xffffffffu}) {
        for (int round = 0; round < 50; ++round) {
            RandomSource random(seed + uint32_t(round) * 7919u);
            const auto p = ShuffleCells(random);
            std::vector<bool> seen(kCells, false);
            int position = 0;
            for (int step = 0; step < kCells; ++step) {
                ASSERT_FALSE(seen[size_t(position)]) << "seed " << seed << ": cycle shorter than 36";
                seen[size_t(position)] = true;
                ASSERT_NE(p[size_t(position)], position + 1);
                position = p[size_t(position)] - 1;
            }
            EXPECT_EQ(position, 0);
            RandomSource again(seed + uint32_t(round) * 7919u);
            const CardValues values = Deal(again);
            for (int value = 1; value <= kPairs; ++value)
                EXPECT_EQ(std::count(values.begin(), values.end(), value), 2) << value;
        }
    }
}
