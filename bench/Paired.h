// Speed ratios from alternating timed bursts, for machines whose speed drifts (shared
// virtual machines): each pair times one burst of ours and, right after, one of theirs;
// the drift falls on both alike and cancels in the pair's ratio.
#pragma once

#include <functional>

struct PairedRatio {
    double median = 0, lowQuartile = 0, highQuartile = 0;  // ours' speed over theirs
};

// `pairs` alternating bursts of each operation (fewer, but at least 21, where they take
// more than five seconds), every burst long enough (half a millisecond) for the clock;
// which goes first alternates too.
PairedRatio MeasurePaired(const std::function<void()>& ours, const std::function<void()>& theirs, int pairs);
