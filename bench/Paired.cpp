#include "Paired.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& operation, long times) {
    const auto start = Clock::now();
    for (long i = 0; i < times; ++i) operation();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// How many runs of the slower operation take about `burst` seconds.
long BurstLength(const std::function<void()>& ours, const std::function<void()>& theirs, double burst) {
    long times = 1;
    while (times < (long(1) << 30) && std::max(Seconds(ours, times), Seconds(theirs, times)) < burst) times *= 2;
    return times;
}

}  // namespace

PairedRatio MeasurePaired(const std::function<void()>& ours, const std::function<void()>& theirs, int pairs) {
    const long times = BurstLength(ours, theirs, 0.0005);
    std::vector<double> ratios;
    // Slow operations (MD2's megabyte) stop after a few seconds, with enough pairs for a median.
    const auto start = Clock::now();
    for (int pair = 0; pair < pairs; ++pair) {
        if (pair >= 21 && Clock::now() - start > std::chrono::seconds(5)) break;
        double oursTime, theirTime;
        if (pair % 2 == 0) {
            oursTime = Seconds(ours, times);
            theirTime = Seconds(theirs, times);
        } else {
            theirTime = Seconds(theirs, times);
            oursTime = Seconds(ours, times);
        }
        ratios.push_back(theirTime / oursTime);
    }
    std::sort(ratios.begin(), ratios.end());
    const auto at = [&](double quantile) { return ratios[size_t(quantile * double(ratios.size() - 1) + 0.5)]; };
    return {at(0.5), at(0.25), at(0.75)};
}
