// The deal's random source and shuffle: a 32-bit linear congruential generator
// seeded from the time of day, and a single-cycle shuffle of the 36 cells.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kCells = 36;
constexpr int kPairs = 18;

class RandomSource {
public:
    explicit RandomSource(uint32_t seed = 0) : seed_(seed) {}
    void Reseed(uint32_t seed) { seed_ = seed; }
    // Advances the seed, then yields a value in [0, k); 0 when k is 0.
    uint32_t Draw(uint32_t k);

private:
    uint32_t seed_;
};

// The seed of a deal: milliseconds since midnight UTC.
uint32_t ClockSeed(int hour, int minute, int second, int millisecond);

// Fills P[0..35] with 1..36 as one cycle through all positions (P[k] is never k + 1).
std::array<int, kCells> ShuffleCells(RandomSource& random);

// The card value of each cell (index 0 = cell 1): every value 1..18 twice.
using CardValues = std::array<int, kCells>;
CardValues Deal(RandomSource& random);
