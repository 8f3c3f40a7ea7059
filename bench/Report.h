// What the benchmarks report: the medians and spreads of their repetitions, and the
// machine they ran on.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

struct Measure {
    double median = 0, cv = 0;  // bytes per second (or messages per second), and its spread
};

// Keeps the medians and spreads of every benchmark's repetitions for the report,
// while the console shows them as usual.
class Collector : public benchmark::ConsoleReporter {
public:
    Collector();
    void ReportRuns(const std::vector<Run>& runs) override;
    std::map<std::string, Measure> measures;
};

// The processor's fast-path features ("SHA, PCLMULQDQ, AVX2, ...") and its model name.
std::string Features();
std::string CpuModel();
// A rate with three significant digits or so.
std::string Number(double value);

// The options both benchmarks take (--quick, --only=NAME, --markdown=FILE); the rest go
// to Google Benchmark, which runs the repetitions shuffled together so that ours and the
// others alternate over the whole run.
struct BenchOptions {
    bool quick = false;
    std::string only, markdown;
};
BenchOptions InitializeBenchmarks(int argc, char** argv);
