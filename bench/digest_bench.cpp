// Every digest type of the Quorvix library beside every other library on the machine
// that implements it, in five uses: one 1 MiB message, 64-byte messages one after the
// other, 1 MiB fed in 4 KiB pieces from an odd address, and messages of 0 and of 1 byte,
// where the cost of starting and finishing a digest is all there is. Each library gets its
// fastest normal use (a context made once and reused), ours and theirs are measured
// in the same run, their repetitions shuffled together so that the machine's drift
// falls on all alike, and every ratio is ours over the fastest other library's median
// from this very run. 64-byte messages are compared twice: with the others' raw bytes
// (ours always makes its hex text) and with their bytes made into hex text as well; the
// others' 0- and 1-byte digests are always made into hex text.
//
// Before anything is timed, every implementation's digest is checked against ours for
// the empty message, one byte, "abc", the 1 MiB message and the same message in 4 KiB
// pieces.
//
// Usage: digest_bench [--quick] [--only=NAME] [--markdown=FILE] [benchmark options]
// The instruction-set level in use is capped with QUORVIX_DIGEST_LEVEL (see
// bench/README.md); the report names the machine's features and the level.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include <unistd.h>

#include "Implementations.h"
#include "Paired.h"
#include "Report.h"
#include "digest/CryptoAPI.h"
#include "digest/Cpu.h"

using namespace quorvix::digest;

namespace {

constexpr size_t kLong = size_t(1) << 20;
constexpr size_t kShort = 64;
constexpr size_t kPiece = 4096;

enum Use { kWhole, kShortRaw, kShortHex, kPieces, kEmpty, kOneByte };
const char* const kUseNames[] = {"1MiB", "64B", "64B+hex", "4KiB-pieces", "0B+hex", "1B+hex"};
constexpr Use kUses[] = {kWhole, kShortRaw, kShortHex, kPieces, kEmpty, kOneByte};
// Uses counted in messages, not bytes.
bool PerMessage(Use use) { return use == kShortRaw || use == kShortHex || use == kEmpty || use == kOneByte; }
// Uses in which the others' bytes are made into hex text (ours always makes it).
bool Hexed(Use use) { return use == kShortHex || use == kEmpty || use == kOneByte; }

const std::vector<uint8_t>& Message() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> data(kLong + 64);
        std::mt19937 random(2026);
        for (uint8_t& b : data) b = uint8_t(random());
        return data;
    }();
    return bytes;
}

// The others' bytes as hex text, the way a program printing them would make it.
void MakeHex(const Implementation& implementation, char* text) {
    static const char digits[] = "0123456789abcdef";
    const uint8_t* bytes = implementation.Bytes();
    for (size_t i = 0; i < implementation.ByteCount(); ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 15];
    }
}

// One digest in the given use.
void Once(Implementation& implementation, Use use) {
    const uint8_t* data = Message().data();
    char text[130];
    {
        implementation.Init();
        switch (use) {
            case kWhole: implementation.Update(data, kLong); break;
            case kShortRaw:
            case kShortHex: implementation.Update(data, kShort); break;
            case kEmpty: implementation.Update(data, 0); break;
            case kOneByte: implementation.Update(data, 1); break;
            case kPieces:
                for (size_t offset = 0; offset < kLong; offset += kPiece) implementation.Update(data + 1 + offset, kPiece);
                break;
        }
        implementation.Final();
        if (Hexed(use)) {
            MakeHex(implementation, text);
            benchmark::DoNotOptimize(text);
        }
    }
}

void Run(benchmark::State& state, Implementation& implementation, Use use) {
    for (auto _ : state) Once(implementation, use);
    const size_t bytes[] = {kLong, kShort, kShort, kLong, 0, 1};
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes[use]));
    if (PerMessage(use)) state.SetItemsProcessed(int64_t(state.iterations()));
}

std::string DigestOf(Implementation& implementation, const uint8_t* data, size_t length, size_t piece) {
    implementation.Init();
    for (size_t offset = 0; offset < length; offset += piece) implementation.Update(data + offset, std::min(piece, length - offset));
    implementation.Final();
    return implementation.OurHex();
}

// What our library gives for the message; for a cut Tiger-192, our whole Tiger-192.
std::string Expected(const DigestRow& row, const Implementation& implementation, const uint8_t* data, size_t length) {
    const auto ours = Ours(implementation.note.empty() ? row : DigestRow{HASH_TIGER192, 0});
    return DigestOf(*ours, data, length, length);
}

// Every implementation, ours in pieces included, must give our digest of the whole
// message (but for HAVAL's padding in mhash).
bool Check(const DigestRow& row, Implementation& implementation) {
    const uint8_t* data = Message().data();
    struct Case {
        const char* name;
        const uint8_t* data;
        size_t length, piece;
    };
    const Case cases[] = {{"the empty message", data, 0, 1},
                          {"one byte", data, 1, 1},
                          {"\"abc\"", reinterpret_cast<const uint8_t*>("abc"), 3, 3},
                          {"1 MiB", data, kLong, kLong},
                          {"1 MiB in 4 KiB pieces from an odd address", data + 1, kLong, kPiece}};
    for (const Case& c : cases) {
        const std::string theirs = DigestOf(implementation, c.data, c.length, c.piece);
        const std::string expected = Expected(row, implementation, c.data, c.length);
        if (theirs != expected && !implementation.differentPadding) {
            std::fprintf(stderr, "%s, %s: %s gives %s, ours %s\n", row.Name().c_str(), c.name,
                         implementation.library.c_str(), theirs.c_str(), expected.c_str());
            return false;
        }
    }
    return true;
}

using Named = std::map<std::string, Implementation*>;  // "SHA1/OpenSSL" → the implementation

// The two fastest other libraries in a use, by the medians of the timed repetitions.
std::vector<std::string> FastestOthers(const std::string& base, Use use, const std::vector<std::string>& peers,
                                       const Collector& collector) {
    std::vector<std::pair<double, std::string>> rates;
    for (const std::string& peer : peers)
        if (const auto m = collector.measures.find(base + "/" + kUseNames[use] + "/" + peer); m != collector.measures.end())
            rates.emplace_back(m->second.median, peer);
    std::sort(rates.rbegin(), rates.rend());
    std::vector<std::string> names;
    for (size_t i = 0; i < rates.size() && i < 2; ++i) names.push_back(rates[i].second);
    return names;
}

// Ours against the fastest others in every use, in alternating bursts: "SHA1/1MiB" → the
// lowest ratio (the repetitions' medians may rank two close libraries either way).
struct Compared {
    std::string other;  // the library ours is compared with
    PairedRatio ratio;
};

std::map<std::string, Compared> MeasureRatios(const std::vector<DigestRow>& rows,
                                                 const std::map<std::string, std::vector<std::string>>& peersOf,
                                                 const Collector& collector, const Named& named, int pairs) {
    std::map<std::string, Compared> ratios;
    for (const DigestRow& row : rows) {
        const std::string base = row.Name();
        for (Use use : kUses) {
            Implementation& ours = *named.at(base + "/Quorvix");
            for (const std::string& other : FastestOthers(base, use, peersOf.at(base), collector)) {
                Implementation& theirs = *named.at(base + "/" + other);
                const PairedRatio ratio = MeasurePaired([&] { Once(ours, use); }, [&] { Once(theirs, use); }, pairs);
                std::printf("%s/%s: ours over %s, alternating pairs: median %.3f (quartiles %.3f, %.3f)\n", base.c_str(),
                            kUseNames[use], other.c_str(), ratio.median, ratio.lowQuartile, ratio.highQuartile);
                const auto [kept, first] = ratios.try_emplace(base + "/" + kUseNames[use], Compared{other, ratio});
                if (!first && ratio.median < kept->second.ratio.median) kept->second = {other, ratio};
            }
        }
    }
    return ratios;
}

void WriteMarkdown(const std::string& path, const std::vector<DigestRow>& rows, const Collector& collector,
                   const std::map<std::string, Compared>& ratios, int pairs) {
    std::ostringstream out;
    out << "## Level " << CpuLevelName(LevelInUse()) << "\n\n"
        << "Machine: " << CpuModel() << " (" << Features() << "); level in use: " << CpuLevelName(LevelInUse())
        << ". Rates: medians of shuffled repetitions, ± their coefficient of variation. Ratios: ours over the faster"
        << " of the two fastest other libraries (by those medians), each the median of the ratios of " << pairs
        << " alternating timed bursts (fewer for the slowest types), all in this run.\n\n"
        << "| type | 1 MiB, MB/s | fastest other | ratio | 64 B, M msg/s | fastest other, raw | ratio | fastest other, hex | ratio"
        << " | 4 KiB pieces, MB/s | fastest other | ratio | 0 B, M msg/s | fastest other, hex | ratio"
        << " | 1 B, M msg/s | fastest other, hex | ratio |\n|---|"
        << "---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    const auto find = [&](const std::string& name) -> const Measure* {
        const auto found = collector.measures.find(name);
        return found == collector.measures.end() ? nullptr : &found->second;
    };
    for (const DigestRow& row : rows) {
        const std::string base = row.Name();
        out << "| " << base;
        for (Use use : kUses) {
            const double scale = 1e-6;  // M msg/s or MB/s
            const Measure* ours = find(base + "/" + kUseNames[use == kShortHex ? kShortRaw : use] + "/Quorvix");
            if (use != kShortHex) out << " | " << (ours ? Number(ours->median * scale) + " ±" + Number(ours->cv * 100) + "%" : "-");
            const auto compared = ratios.find(base + "/" + kUseNames[use]);
            const Measure* other =
                compared == ratios.end() ? nullptr : find(base + "/" + kUseNames[use] + "/" + compared->second.other);
            if (!other) {
                out << " | - | -";
                continue;
            }
            out << " | " << Number(other->median * scale) << " (" << compared->second.other << ")";
            out << " | " << Number(compared->second.ratio.median);
        }
        out << " |\n";
    }
    std::ofstream file(path, std::ios::app);
    file << out.str() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    const BenchOptions options = InitializeBenchmarks(argc, argv);
    const bool quick = options.quick;
    const std::string& only = options.only;
    const std::string& markdown = options.markdown;

    std::vector<DigestRow> rows;
    std::vector<std::unique_ptr<Implementation>> keep;
    std::map<std::string, std::vector<std::string>> peersOf;
    Named named;
    bool checked = true;
    for (const DigestRow& row : AllRows()) {
        if (!only.empty() && row.Name().find(only) == std::string::npos) continue;
        rows.push_back(row);
        std::vector<std::unique_ptr<Implementation>> implementations;
        implementations.push_back(Ours(row));
        for (auto& peer : Peers(row)) implementations.push_back(std::move(peer));
        for (auto& implementation : implementations) {
            checked = Check(row, *implementation) && checked;
            std::string name = implementation->library;
            if (!implementation->note.empty()) name += " (" + implementation->note + ")";
            if (implementation->differentPadding) name += " (other padding)";
            const bool ours = implementation->library == "Quorvix";
            if (!ours) peersOf[row.Name()].push_back(name);
            named[row.Name() + "/" + name] = implementation.get();
            for (Use use : kUses) {
                if (ours && use == kShortHex) continue;  // ours always makes hex text
                benchmark::RegisterBenchmark((row.Name() + "/" + kUseNames[use] + "/" + name).c_str(), Run,
                                             std::ref(*implementation), use)
                    ->Repetitions(quick ? 3 : 7)
                    ->ReportAggregatesOnly(true)
                    ->MinTime(quick ? 0.01 : 0.05);
            }
            keep.push_back(std::move(implementation));
        }
        peersOf[row.Name()];  // rows without others appear too
    }
    if (!checked) return 1;
    std::printf("Machine: %s (%s); level in use: %s\n", CpuModel().c_str(), Features().c_str(), CpuLevelName(LevelInUse()));
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const int pairs = quick ? 21 : 201;
    const auto ratios = MeasureRatios(rows, peersOf, collector, named, pairs);
    if (!markdown.empty()) WriteMarkdown(markdown, rows, collector, ratios, pairs);
    benchmark::Shutdown();
    return 0;
}
