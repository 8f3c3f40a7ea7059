#include "Qxhash.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <span>
#include <thread>
#include <utility>

#include "Algorithms.h"
#include "CheckList.h"
#include "FileDigest.h"
#include "FileGroup.h"
#include "FileWalk.h"
#include "Options.h"
#include "OrderedWork.h"
#include "Output.h"
#include "QuorvixVersion.h"
#include "Quoting.h"
#include "digest/CryptoAPI.h"

namespace {

namespace fs = std::filesystem;

// A progress line on standard error for files that take more than a second.
class Progress {
public:
    Progress(std::ostream& err, bool enabled, std::string name)
        : err_(err), enabled_(enabled), name_(std::move(name)), start_(Clock::now()), last_(start_) {}
    ~Progress() {
        if (shown_) err_ << "\r\033[K" << std::flush;
    }
    void operator()(uint64_t done, uint64_t total) {
        if (!enabled_) return;
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        shown_ = true;
        err_ << "\r\033[K" << name_ << ": " << (done >> 20) << " MiB";
        if (total > 0) err_ << " of " << (total >> 20) << " MiB (" << done * 100 / total << "%)";
        err_ << std::flush;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool enabled_;
    std::string name_;
    Clock::time_point start_, last_;
    bool shown_ = false;
};

// Everything a run shares: the options, the streams, how many files at once.
struct Run {
    const Options& options;
    QxhashIo io;
    unsigned workers;
    char end;  // of each output line

    bool WriteFailed() const { return !io.out; }
    void Digest(const std::string& path, std::span<const DigestType> types, ReadBuffer& buffer,
                FileDigestResult& result, bool walked = false) const {
        InputFile file;
        struct stat info;
        if (OpenInput(path, file, info, result, walked)) DigestOpened(path, file, info, types, buffer, result);
    }
    void DigestOpened(const std::string& path, InputFile& file, const struct stat& info,
                      std::span<const DigestType> types, ReadBuffer& buffer, FileDigestResult& result) const {
        if (!io.showProgress || workers > 1) return ::DigestOpened(file, info, types, buffer, result);
        Progress progress(io.err, true, path);
        ::DigestOpened(file, info, types, buffer, result, std::ref(progress));
    }
};

// Reports a file that could not be digested as coreutils does: the system's reason,
// or the library's text where the system gave none.
void ReportFailure(const Run& run, const std::string& file, const FileDigestResult& result) {
    run.io.err << run.options.program << ": " << Quoted(file) << ": "
               << (result.reason.empty() ? std::string(HashErrorText(result.error)) : result.reason) << "\n";
}

// How a file name is shown in an output line, and the mark the line then starts with.
// A checked file's line is escaped, as md5sum escapes it, only for a line break.
std::string ShownName(const Run& run, const std::string& file, std::string& prefix, bool checked = false) {
    if (run.options.zero || !(checked ? file.find('\n') != std::string::npos : NeedsEscape(file))) return file;
    prefix.assign(1, '\\');  // not `= "\\"`, which trips a false -Wrestrict in GCC 12
    return EscapeFileName(file);
}

// --- Printing digests ----------------------------------------------------------------

// The file's lines, one per variant, appended to `line`.
void AppendDigestLines(const Run& run, const std::vector<Variant>& variants, const std::string& path,
                       const FileDigestResult& result, std::string& line) {
    std::string prefix;
    const std::string name = ShownName(run, path, prefix);
    for (size_t i = 0; i < variants.size(); ++i) {
        const std::string digest = ShownDigest(variants[i].algorithm.code, result.digests[i]);
        line += prefix;
        if (run.options.tag)
            line.append(TagOf(variants[i])).append(" (").append(name).append(") = ").append(digest);
        else
            line.append(digest).append(run.options.binary ? " *" : "  ").append(name);
        line += run.end;
    }
}

int PrintDigests(const Run& run, std::vector<Variant> variants) {
    std::vector<DigestType> types;
    for (Variant& variant : variants) {
        if (variant.algorithm.usesPasses && !variant.passes) variant.passes = run.options.passes.value_or(kDefaultPasses);
        types.push_back({ComputedType(variant.algorithm.code), variant.passes});
    }
    const bool sideBySide = types.size() == 1 && HashBatchLanes(types[0].code) > 1;
    FileWalk walk(run.options.files, run.options.recursive);
    FileGrouper groups(walk, sideBySide ? kGroupFiles : 1);
    const auto work = [&](const FileGroupItem& group, std::vector<FileDigestResult>& results, ReadBuffer& buffer) {
        results.resize(group.paths.size());
        if (group.listError) return Fail(results[0], HASH_ERR_OPEN_FILE, group.listError);
        if (!sideBySide) return run.Digest(group.paths[0], types, buffer, results[0], group.walked[0]);
        DigestFileGroup(
            group.paths, types[0], buffer, results,
            [&](const std::string& path, InputFile& file, const struct stat& info, FileDigestResult& result) {
                run.DigestOpened(path, file, info, types, buffer, result);
            },
            group.walked);
    };
    int status = 0;
    std::string line;  // each file's lines made in one reused string and written in one go
    const auto print = [&](FileGroupItem& group, std::vector<FileDigestResult>& results) {
        for (size_t i = 0; i < group.paths.size(); ++i) {
            if (results[i].skipped) {  // a pipe, a device or a socket in a tree, as rhash skips them
                if (run.options.report == Options::Report::Warn)
                    run.io.err << run.options.program << ": " << Quoted(group.paths[i]) << ": not a regular file: skipped\n";
                continue;
            }
            if (results[i].error != HASH_ERR_NONE) {
                ReportFailure(run, group.paths[i], results[i]);
                status = 1;
                continue;
            }
            line.clear();
            AppendDigestLines(run, variants, group.paths[i], results[i], line);
            run.io.out.write(line.data(), std::streamsize(line.size()));
            if (run.WriteFailed()) return false;
        }
        return true;
    };
    RunInOrder<FileGroupItem, std::vector<FileDigestResult>>(
        run.workers, sideBySide ? 16 : 256, [&] { return groups.Next(); }, work, print);
    return status;
}

// --- Checking lists ------------------------------------------------------------------

// One listed digest and the types it may be: one when the line names it, every type
// of its length when the length is all there is, the usual one first.
struct Expectation {
    std::string digest;
    struct Candidate {
        uint32_t code;
        size_t type;  // into CheckItem::types
    };
    std::vector<Candidate> candidates;
    bool guessed;
};

struct CheckItem {
    size_t lineNumber;
    std::optional<CheckLine> line;  // none for a badly formed line
    std::string malformedTag;       // a badly formed line's tag, to name it as coreutils does
    std::vector<Expectation> expectations;
    // Every type and pass count to compute, each once: first each expectation's first
    // candidate, then the others, which are computed only when the first do not match.
    std::vector<DigestType> types;
    size_t firstRound = 0;
};

// The types a digest of so many hex digits may be, the usual one first (md5 for 32
// digits, sha256 for 64, and so on), the others in type code order.
const std::vector<Algorithm>& TypesOfLength(size_t digits) {
    static const std::vector<std::vector<Algorithm>> byLength = [] {
        std::vector<std::vector<Algorithm>> table(129);
        for (const Algorithm& algorithm : AllAlgorithms()) table[DigestHexLength(algorithm.code)].push_back(algorithm);
        for (const char* usual : {"crc32", "md5", "sha1", "tiger192", "haval224", "sha256", "sha384", "sha512"}) {
            auto& list = table[DigestHexLength(FindVariant(usual)->algorithm.code)];
            std::stable_partition(list.begin(), list.end(), [usual](const Algorithm& a) { return a.name == usual; });
        }
        return table;
    }();
    static const std::vector<Algorithm> none;
    return digits < byLength.size() ? byLength[digits] : none;
}

void AddCandidates(Expectation& expectation, const Variant& variant, std::optional<uint32_t> passes,
                   std::vector<DigestType>& types) {
    Variant tried = variant;
    // A count HAVAL does not have (one given for Tiger) leaves HAVAL's usual ones to try.
    if (!tried.passes && passes && PassesAllowed(tried.algorithm, *passes)) tried.passes = *passes;
    for (uint32_t count : PassesToTry(tried)) {
        const DigestType type{ComputedType(variant.algorithm.code), count};
        auto found = std::find(types.begin(), types.end(), type);
        if (found == types.end()) found = types.insert(types.end(), type);
        expectation.candidates.push_back({variant.algorithm.code, size_t(found - types.begin())});
    }
}

CheckItem MakeCheckItem(const Options& options, size_t lineNumber, const std::string& text, UntaggedForm& form) {
    CheckItem item{lineNumber, std::nullopt, {}, {}, {}, 0};
    // Untagged digests of the types asked for, or of any type.
    const auto isLength = [&](size_t digits) {
        if (options.algorithms.empty()) return !TypesOfLength(digits).empty();
        return std::any_of(options.algorithms.begin(), options.algorithms.end(),
                           [&](const Variant& v) { return DigestHexLength(v.algorithm.code) == digits; });
    };
    // md5sum reads its own tag only, spelled as it spells it.
    const auto isTag = [&](std::string_view tag) {
        return options.coreutils ? tag == TagOf(options.algorithms[0]) : FindVariantByTag(tag).has_value();
    };
    // A badly formed line keeps the tag it began with, to be named by it.
    const auto malformed = [&] {
        if (const auto tagged = FindVariantByTag(LeadingTag(text)); tagged && !options.coreutils) item.malformedTag = TagOf(*tagged);
        return item;
    };
    std::optional<CheckLine> line = ParseCheckLine(text, isLength, isTag, form, options.coreutils);
    if (!line) return malformed();
    std::vector<DigestType> all;  // in the order the candidates came
    for (const std::string& digest : line->digests) {
        Expectation expectation{digest, {}, line->tag.empty() && options.algorithms.empty()};
        if (!line->tag.empty()) {
            const Variant variant = *FindVariantByTag(line->tag);
            if (DigestHexLength(variant.algorithm.code) == digest.size()) AddCandidates(expectation, variant, options.passes, all);
        } else if (!options.algorithms.empty()) {
            for (const Variant& variant : options.algorithms)
                if (DigestHexLength(variant.algorithm.code) == digest.size()) AddCandidates(expectation, variant, options.passes, all);
        } else {
            for (const Algorithm& algorithm : TypesOfLength(digest.size()))
                AddCandidates(expectation, {algorithm, 0}, options.passes, all);
        }
        if (expectation.candidates.empty()) return malformed();  // no type fits
        item.expectations.push_back(std::move(expectation));
    }
    // The first candidates' types to the front; the candidates follow their types.
    std::vector<size_t> position(all.size(), SIZE_MAX);
    const auto place = [&](size_t index) {
        if (position[index] == SIZE_MAX) {
            position[index] = item.types.size();
            item.types.push_back(all[index]);
        }
    };
    for (const Expectation& expectation : item.expectations) place(expectation.candidates.front().type);
    item.firstRound = item.types.size();
    for (const Expectation& expectation : item.expectations)
        for (const auto& candidate : expectation.candidates) place(candidate.type);
    for (Expectation& expectation : item.expectations)
        for (auto& candidate : expectation.candidates) candidate.type = position[candidate.type];
    item.line = std::move(line);
    return item;
}

// Whether any candidate computed so far gives the listed digest.
bool Matches(const Expectation& expectation, const FileDigestResult& result) {
    return std::any_of(expectation.candidates.begin(), expectation.candidates.end(), [&](const Expectation::Candidate& c) {
        return c.type < result.digests.size() && DigestMatches(c.code, expectation.digest, result.digests[c.type]);
    });
}

bool AllMatch(const CheckItem& item, const FileDigestResult& result) {
    return std::all_of(item.expectations.begin(), item.expectations.end(),
                       [&](const Expectation& e) { return Matches(e, result); });
}

std::string TriedTypes(const Expectation& expectation) {
    std::vector<std::string> names;
    for (const auto& candidate : expectation.candidates) {
        const std::string name(FindVariant(std::to_string(candidate.code))->algorithm.name);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    std::string text;
    for (const std::string& name : names) text.append(text.empty() ? "" : ", ").append(name);
    return text;
}

// The types beyond the usual ones, only when those do not match (the list may have been
// made with them), in a second reading.
void DigestOtherTypes(const Run& run, const CheckItem& item, FileDigestResult& result, ReadBuffer& buffer) {
    const std::span<const DigestType> types(item.types);
    if (result.error != HASH_ERR_NONE || item.firstRound == types.size() || AllMatch(item, result)) return;
    FileDigestResult others;
    run.Digest(item.line->file, types.subspan(item.firstRound), buffer, others);
    if (others.error != HASH_ERR_NONE) {
        result = std::move(others);
        return;
    }
    result.digests.insert(result.digests.end(), others.digests.begin(), others.digests.end());
}

// Digests the files of a group of lines: those whose usual type is one the library
// digests side by side together, type by type (a list names one type, or a few), the
// others one by one.
void DigestCheckGroup(const Run& run, const std::vector<CheckItem>& group, std::vector<FileDigestResult>& results,
                      ReadBuffer& buffer) {
    results.resize(group.size());
    std::vector<bool> together(group.size());
    for (size_t i = 0; i < group.size(); ++i) {
        const CheckItem& item = group[i];
        if (!item.line) continue;
        together[i] = item.firstRound == 1 && HashBatchLanes(item.types[0].code) > 1;
        if (together[i]) continue;
        run.Digest(item.line->file, std::span<const DigestType>(item.types).first(item.firstRound), buffer, results[i]);
        DigestOtherTypes(run, item, results[i], buffer);
    }
    std::vector<std::string> paths;
    std::vector<size_t> owners;
    std::vector<FileDigestResult> digested;
    for (size_t first = 0; first < group.size(); ++first) {
        if (!together[first]) continue;
        const DigestType type = group[first].types[0];
        paths.clear();
        owners.clear();
        for (size_t i = first; i < group.size(); ++i)
            if (together[i] && group[i].types[0] == type) {
                paths.push_back(group[i].line->file);
                owners.push_back(i);
                together[i] = false;
            }
        DigestFileGroup(paths, type, buffer, digested,
                        [&](const std::string& path, InputFile& file, const struct stat& info, FileDigestResult& result) {
                            run.DigestOpened(path, file, info, std::span<const DigestType>(&type, 1), buffer, result);
                        });
        for (size_t k = 0; k < owners.size(); ++k) {
            std::swap(results[owners[k]], digested[k]);
            DigestOtherTypes(run, group[owners[k]], results[owners[k]], buffer);
        }
    }
}

using Report = Options::Report;

struct CheckCounts {
    size_t formatted = 0, matched = 0, mismatched = 0, unreadable = 0, malformed = 0;
};

const char* Plural(size_t n, const char* one, const char* many) { return n == 1 ? one : many; }

// The list's lines that are not comments, in groups, so that their files can be
// digested side by side.
class CheckLines {
public:
    CheckLines(const Options& options, std::istream& in) : options_(options), in_(in) {}

    std::optional<std::vector<CheckItem>> NextGroup() {
        std::vector<CheckItem> group;
        std::string text;
        while (group.size() < kGroupFiles && std::getline(in_, text)) {
            ++lineNumber_;
            if (!IsCommentLine(text, options_.coreutils)) group.push_back(MakeCheckItem(options_, lineNumber_, text, form_));
        }
        if (group.empty()) return std::nullopt;
        return group;
    }

private:
    const Options& options_;
    std::istream& in_;
    size_t lineNumber_ = 0;
    UntaggedForm form_ = UntaggedForm::Undecided;
};

// Says what became of one line, as the report level asks, and counts it. False when
// the output could not be written.
bool ReportCheck(const Run& run, const std::string& listName, const CheckItem& item, const FileDigestResult& result,
                 CheckCounts& counts) {
    const Report report = run.options.report;
    std::ostream& out = run.io.out;
    std::ostream& err = run.io.err;
    if (!item.line) {
        ++counts.malformed;
        if (report == Report::Warn)
            err << run.options.program << ": " << listName << ": " << item.lineNumber << ": improperly formatted "
                << (!item.malformedTag.empty()              ? item.malformedTag + " "
                    : run.options.algorithms.size() == 1 ? TagOf(run.options.algorithms[0]) + " "
                                                          : std::string())
                << "checksum line\n";
        return true;
    }
    ++counts.formatted;
    const std::string& path = item.line->file;
    std::string prefix;
    const std::string name = ShownName(run, path, prefix, true);
    if (result.error != HASH_ERR_NONE) {
        if (run.options.ignoreMissing && result.systemError == ENOENT) return true;
        ++counts.unreadable;
        ReportFailure(run, path, result);
        if (report != Report::Status) out << prefix << name << ": FAILED open or read\n";
        return !run.WriteFailed();
    }
    const auto failed = std::find_if(item.expectations.begin(), item.expectations.end(),
                                     [&](const Expectation& e) { return !Matches(e, result); });
    if (failed == item.expectations.end()) {
        ++counts.matched;
        if (report == Report::Normal || report == Report::Warn) out << prefix << name << ": OK\n";
    } else {
        ++counts.mismatched;
        if (report != Report::Status) {
            out << prefix << name << ": FAILED\n";
            // The type came from the digest's length alone: say what was tried.
            if (failed->guessed)
                err << run.options.program << ": " << listName << ": " << item.lineNumber << ": no type of " << failed->digest.size()
                    << " hex digits gives the listed digest (tried " << TriedTypes(*failed)
                    << "); if the list was made with other types or pass counts, give them with -a and --passes\n";
        }
    }
    return !run.WriteFailed();
}

// The warnings after a checked list, and the run's exit status.
int SummarizeCheck(const Run& run, const std::string& listName, const CheckCounts& counts) {
    const Options& options = run.options;
    std::ostream& err = run.io.err;
    if (counts.formatted == 0) {
        err << run.options.program << ": " << listName << ": no properly formatted checksum lines found\n";
        return 1;
    }
    int status = 0;
    if (options.report != Report::Status) {
        if (counts.malformed)
            err << run.options.program << ": WARNING: " << counts.malformed << Plural(counts.malformed, " line is", " lines are")
                << " improperly formatted\n";
        if (counts.unreadable)
            err << run.options.program << ": WARNING: " << counts.unreadable << Plural(counts.unreadable, " listed file", " listed files")
                << " could not be read\n";
        if (counts.mismatched)
            err << run.options.program << ": WARNING: " << counts.mismatched
                << Plural(counts.mismatched, " computed checksum", " computed checksums") << " did NOT match\n";
    }
    if (options.ignoreMissing && counts.matched == 0) {
        err << run.options.program << ": " << listName << ": no file was verified\n";
        status = 1;
    }
    if (counts.unreadable || counts.mismatched || (options.strict && counts.malformed)) status = 1;
    return status;
}

int CheckList(const Run& run, const std::string& list) {
    std::ifstream file;
    if (list != "-") {
        file.open(list, std::ios::binary);
        if (!file) {
            run.io.err << run.options.program << ": " << Quoted(list) << ": " << std::strerror(errno) << "\n";
            return 1;
        }
    }
    std::istream& in = list == "-" ? std::cin : file;
    const std::string listName = Quoted(list == "-" ? "standard input" : list);
    CheckLines lines(run.options, in);
    CheckCounts counts;
    RunInOrder<std::vector<CheckItem>, std::vector<FileDigestResult>>(
        run.workers, 16, [&] { return lines.NextGroup(); },
        [&](const std::vector<CheckItem>& group, std::vector<FileDigestResult>& results, ReadBuffer& buffer) {
            DigestCheckGroup(run, group, results, buffer);
        },
        [&](std::vector<CheckItem>& group, std::vector<FileDigestResult>& results) {
            for (size_t i = 0; i < group.size(); ++i)
                if (!ReportCheck(run, listName, group[i], results[i], counts)) return false;
            return true;
        });
    if (run.WriteFailed()) return 1;
    if (in.bad()) {
        run.io.err << run.options.program << ": " << listName << ": read error\n";
        return 1;
    }
    return SummarizeCheck(run, listName, counts);
}

// --- The other commands ----------------------------------------------------------------

void ListTypes(std::ostream& out) {
    for (const Algorithm& algorithm : AllAlgorithms())
        out << algorithm.code << "  " << algorithm.name << "  " << HashDigestBits(algorithm.code) << "\n";
}

int Commands(const Options& options, QxhashIo io) {
    if (options.help) {
        io.out << UsageText(options);
        return 0;
    }
    if (options.version) {
        io.out << options.program << " (Quorvix) " << QUORVIX_VERSION << "\n";
        return 0;
    }
    if (options.list) {
        ListTypes(io.out);
        return 0;
    }
    if (options.selfTest) {
        const HashError result = HashSelfTest();
        io.out << HashErrorText(result) << "\n";
        return result == HASH_ERR_NONE ? 0 : 1;
    }
    Options run = options;
    if (run.files.empty()) run.files.push_back("-");
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    unsigned workers = options.jobs ? options.jobs : processors;
    if (!run.check && run.files.size() == 1 && !run.recursive) workers = 1;  // nothing to share
    const Run shared{run, io, workers, run.zero ? '\0' : '\n'};
    if (!run.check) {
        std::vector<Variant> variants = run.algorithms;
        if (variants.empty()) variants.push_back(*FindVariant("sha256"));
        return PrintDigests(shared, variants);
    }
    int status = 0;
    for (const std::string& list : run.files) {
        status |= CheckList(shared, list);
        if (shared.WriteFailed()) break;
    }
    return status;
}

}  // namespace

int RunQxhash(const std::vector<std::string>& args, QxhashIo io, const Personality& personality) {
    Options options;
    try {
        options = ParseOptions(args, personality);
    } catch (const UsageError& error) {
        io.err << personality.program << ": " << error.message << "\nTry '" << personality.program
               << " --help' for more information.\n";
        return 1;
    }
    // Each message is written after the output before it, as coreutils writes them, so
    // that both in one file keep their order.
    std::ostream* const tied = io.err.tie(&io.out);
    int status = Commands(options, io);
    io.err.tie(tied);
    // Every line is checked, and the last of them reach the output only here.
    io.out.flush();
    if (!io.out) {
        io.err << options.program << ": write error: " << WriteErrorReason(io.out) << "\n";
        status = 1;
    }
    return status;
}
