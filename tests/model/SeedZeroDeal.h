// The deal of seed 0, as the game has always dealt it, written down: the random
// source's test checks it and the board tests play on it.
#pragma once

#include "model/RandomSource.h"

inline const CardValues kSeedZeroDeal = {5,  16, 2, 8, 18, 8,  14, 17, 15, 16, 13, 4, 4,  12, 7, 10, 13, 14,
                                         15, 18, 6, 6, 1,  17, 9, 3,  12, 11, 5,  10, 3, 9, 7, 11, 2,  1};
