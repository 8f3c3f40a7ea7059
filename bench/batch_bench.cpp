// Many whole messages of MD5, SHA-1 and SHA-256: the library's HashBatch (sixteen
// messages side by side in vector lanes) against the same messages one at a time,
// through our library and every other library on the machine, each with a context made
// once and reused. Messages of 1 KiB and of 64 KiB, as many as fill 16 MiB (past the
// caches, as files read one after another are). Repetitions shuffled together; each
// ratio is the batch's median over another's median from this very run.
//
// Usage: batch_bench [--quick] [--only=NAME] [--markdown=FILE] [benchmark options]
// QUORVIX_DIGEST_LEVEL caps the level, as for digest_bench.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "Implementations.h"
#include "Paired.h"
#include "Report.h"
#include "digest/CryptoAPI.h"

namespace {

constexpr size_t kArea = size_t(16) << 20;
constexpr size_t kSizes[] = {1024, 65536};

const std::vector<uint8_t>& Area() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> data(kArea);
        std::mt19937 random(2027);
        for (uint8_t& b : data) b = uint8_t(random());
        return data;
    }();
    return bytes;
}

std::vector<HashMessage> Messages(size_t size) {
    std::vector<HashMessage> messages;
    for (size_t offset = 0; offset + size <= kArea; offset += size) messages.push_back({Area().data() + offset, size});
    return messages;
}

void BatchOnce(uint32_t type, const std::vector<HashMessage>& messages, std::vector<std::string>& digests) {
    HashBatch(type, messages.data(), messages.size(), digests.data());
    benchmark::DoNotOptimize(digests.data());
}

void OneAtATimeOnce(Implementation& implementation, const std::vector<HashMessage>& messages) {
    for (const HashMessage& message : messages) {
        implementation.Init();
        implementation.Update(static_cast<const uint8_t*>(message.data), size_t(message.length));
        implementation.Final();
    }
}

void Batch(benchmark::State& state, uint32_t type, size_t size) {
    const std::vector<HashMessage> messages = Messages(size);
    std::vector<std::string> digests(messages.size());
    for (auto _ : state) BatchOnce(type, messages, digests);
    state.SetBytesProcessed(int64_t(state.iterations() * messages.size() * size));
}

void OneAtATime(benchmark::State& state, Implementation& implementation, size_t size) {
    const std::vector<HashMessage> messages = Messages(size);
    for (auto _ : state) OneAtATimeOnce(implementation, messages);
    state.SetBytesProcessed(int64_t(state.iterations() * messages.size() * size));
}

std::string Label(const Implementation& implementation) {
    return implementation.library == "Quorvix" ? "ours one at a time" : implementation.library;
}

}  // namespace

int main(int argc, char** argv) {
    const BenchOptions options = InitializeBenchmarks(argc, argv);
    const bool quick = options.quick;
    const std::string& markdown = options.markdown;

    std::vector<uint32_t> types;
    for (uint32_t type : {HASH_MD5, HASH_SHA1, HASH_SHA256, HASH_SHA384, HASH_SHA512})
        if (DigestRow{type, 0}.Name().find(options.only) != std::string::npos) types.push_back(type);
    std::vector<std::unique_ptr<Implementation>> keep;
    std::map<uint32_t, Implementation*> ours;
    std::map<uint32_t, std::vector<std::string>> labels;
    const auto add = [&](const std::string& name, auto&& function) {
        benchmark::RegisterBenchmark(name.c_str(), function)
            ->Repetitions(quick ? 3 : 7)
            ->ReportAggregatesOnly(true)
            ->MinTime(quick ? 0.05 : 0.2);
    };
    for (uint32_t type : types) {
        const DigestRow row{type, 0};
        std::vector<std::unique_ptr<Implementation>> implementations;
        implementations.push_back(Ours(row));
        for (auto& peer : Peers(row)) implementations.push_back(std::move(peer));
        for (size_t size : kSizes) {
            const std::string prefix = row.Name() + "/" + std::to_string(size) + "/";
            add(prefix + "batch", [type, size](benchmark::State& state) { Batch(state, type, size); });
            for (auto& implementation : implementations) {
                Implementation* measured = implementation.get();
                add(prefix + Label(*measured),
                    [measured, size](benchmark::State& state) { OneAtATime(state, *measured, size); });
            }
        }
        ours[type] = implementations.front().get();
        for (auto& implementation : implementations) {
            labels[type].push_back(Label(*implementation));
            keep.push_back(std::move(implementation));
        }
    }
    const std::string machine = "Machine: " + CpuModel() + " (" + Features() + "); level in use: " +
                                CpuLevelName(LevelInUse());
    std::printf("%s\n", machine.c_str());
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    // The ratios: the batch over each one-at-a-time use.
    // The batch against ours one at a time once more, in alternating bursts, which the
    // drift of a shared machine does not sway.
    const int pairs = quick ? 21 : 201;
    std::string table =
        "| type | message | lanes | batch, MB/s | batch over ours one at a time, paired | one at a time, MB/s: batch is × |\n"
        "|---|---:|---:|---:|---:|---|\n";
    for (uint32_t type : types) {
        const std::string name = DigestRow{type, 0}.Name();
        for (size_t size : kSizes) {
            const std::string prefix = name + "/" + std::to_string(size) + "/";
            const Measure batch = collector.measures[prefix + "batch"];
            if (batch.median <= 0) continue;  // left out by a filter
            std::string cells;
            for (const std::string& label : labels[type]) {
                const Measure other = collector.measures[prefix + label];
                if (other.median <= 0) continue;
                cells += (cells.empty() ? "" : ", ") + label + " " + Number(other.median / 1e6) + " (" +
                         Number(batch.median / other.median) + "×)";
            }
            const std::vector<HashMessage> messages = Messages(size);
            std::vector<std::string> digests(messages.size());
            const PairedRatio paired = MeasurePaired([&] { BatchOnce(type, messages, digests); },
                                                     [&] { OneAtATimeOnce(*ours[type], messages); }, pairs);
            table += "| " + name + " | " + (size == 1024 ? "1 KiB" : "64 KiB") + " | " +
                     std::to_string(HashBatchLanes(type)) + " | " + Number(batch.median / 1e6) + " ± " +
                     Number(100 * batch.cv) + " % | " + Number(paired.median) + "× (quartiles " +
                     Number(paired.lowQuartile) + ", " + Number(paired.highQuartile) + ") | " + cells + " |\n";
        }
    }
    std::printf("\n%s\n%s", machine.c_str(), table.c_str());
    if (!markdown.empty()) {
        std::ofstream out(markdown, std::ios::app);
        out << "## Level " << CpuLevelName(LevelInUse()) << "\n\n" << machine
            << ". Rates: medians of shuffled repetitions. Paired: the median of the ratios of " << pairs
            << " alternating timed runs (fewer where they take more than five seconds).\n\n"
            << table << "\n";
        if (!out.flush()) {
            std::fprintf(stderr, "batch_bench: cannot write %s\n", markdown.c_str());
            return 1;
        }
    }
    benchmark::Shutdown();
    return 0;
}
