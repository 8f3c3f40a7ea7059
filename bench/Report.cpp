#include "Report.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <utility>
#include <vector>

#include "digest/Cpu.h"

using namespace quorvix::digest;

// Colours only on a terminal (the reporter given to the library is not set up from its
// --benchmark_color flag).
Collector::Collector() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void Collector::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate) continue;
        const bool messages = run.counters.count("items_per_second") > 0;
        const double value = run.counters.at(messages ? "items_per_second" : "bytes_per_second").value;
        Measure& measure = measures[run.run_name.function_name];
        if (run.aggregate_name == "median") measure.median = value;
        if (run.aggregate_name == "cv") measure.cv = value;
    }
    ConsoleReporter::ReportRuns(runs);
}

std::string Features() {
    const CpuFeatures& m = MachineFeatures();
    std::string text;
    const std::pair<bool, const char*> named[] = {{m.sha, "SHA"},         {m.pclmul, "PCLMULQDQ"}, {m.avx2, "AVX2"},
                                                  {m.bmi2, "BMI2"},       {m.vpclmul256, "VPCLMULQDQ"},
                                                  {m.avx512, "AVX-512"},  {m.vnni, "AVX-512 VNNI"}};
    for (const auto& [has, name] : named)
        if (has) text.append(text.empty() ? "" : ", ").append(name);
    return text.empty() ? "none of the fast paths' features" : text;
}

std::string CpuModel() {
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown processor";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value >= 100 ? "%.0f" : value >= 10 ? "%.1f" : "%.2f", value);
    return text;
}

BenchOptions InitializeBenchmarks(int argc, char** argv) {
    BenchOptions options;
    std::vector<char*> args = {argv[0]};
    static std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave.data());
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick") options.quick = true;
        else if (arg.rfind("--only=", 0) == 0) options.only = arg.substr(7);
        else if (arg.rfind("--markdown=", 0) == 0) options.markdown = arg.substr(11);
        else args.push_back(argv[i]);
    }
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    return options;
}
