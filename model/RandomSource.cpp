#include "model/RandomSource.h"

uint32_t RandomSource::Draw(uint32_t k) {
    seed_ = seed_ * 134775813u + 1u;
    return uint32_t((uint64_t(k) * seed_) >> 32);
}

uint32_t ClockSeed(int hour, int minute, int second, int millisecond) {
    return uint32_t(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

std::array<int, kCells> ShuffleCells(RandomSource& random) {
    std::array<int, kCells> p{};
    for (int i = 0; i < kCells; ++i) p[size_t(i)] = i;
    // Sattolo's variant: the partner index is always below k, so the result is one cycle.
    for (int k = kCells - 1; k >= 0; --k) {
        const uint32_t r = random.Draw(uint32_t(k));
        const int t = p[r];
        p[r] = p[size_t(k)];
        p[size_t(k)] = t + 1;
    }
    return p;
}

CardValues Deal(RandomSource& random) {
    CardValues values = ShuffleCells(random);
    for (int& value : values)
        if (value > kPairs) value -= kPairs;
    return values;
}
