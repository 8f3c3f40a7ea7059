#include "Qxhash.h"

#include <charconv>
#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>

#include "Algorithms.h"
#include "CheckList.h"
#include "FileDigest.h"
#include "digest/CryptoAPI.h"

namespace {

constexpr const char* kUsage = R"(Usage: qxhash [OPTION]... [FILE]...
Print or check message digests. With no FILE, or when FILE is -, read standard input.

  -a, --algorithm NAME  digest type: a name from --list, or its type code; may be
                        given several times to digest each file once with all of them
                        (default: sha256)
      --passes N        pass count for HAVAL (3..5) and Tiger (default 3)
      --tag             print BSD-style lines: NAME (FILE) = DIGEST
  -c, --check           read digests from the FILEs and check them
      --quiet           when checking, do not print OK for each good file
      --list            list the digest types: code, name and digest length in bits
      --self-test       check the library against its known answers
  -h, --help            show this help and exit
      --version         show the version and exit

Exit status: 0 on success, 1 if a file could not be read or a digest did not match,
2 on a usage error.
)";

struct Options {
    std::vector<Algorithm> algorithms;
    std::optional<uint32_t> passes;
    bool tag = false;
    bool check = false;
    bool quiet = false;
    bool list = false;
    bool selfTest = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> files;
};

struct UsageError {
    std::string message;
};

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    bool filesOnly = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError{"option '" + arg + "' needs a value"};
            return args[++i];
        };
        if (filesOnly || arg == "-" || arg.empty() || arg[0] != '-') {
            options.files.push_back(arg);
        } else if (arg == "--") {
            filesOnly = true;
        } else if (arg == "-a" || arg == "--algorithm") {
            const std::string& name = value();
            const auto algorithm = FindAlgorithm(name);
            if (!algorithm) throw UsageError{"unknown digest type '" + name + "' (see --list)"};
            options.algorithms.push_back(*algorithm);
        } else if (arg == "--passes") {
            const std::string& text = value();
            uint32_t passes = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), passes);
            if (error != std::errc() || end != text.data() + text.size() || passes < 1 || passes > 1000)
                throw UsageError{"--passes takes a whole number from 1 to 1000, not '" + text + "'"};
            options.passes = passes;
        } else if (arg == "--tag") {
            options.tag = true;
        } else if (arg == "-c" || arg == "--check") {
            options.check = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--list") {
            options.list = true;
        } else if (arg == "--self-test") {
            options.selfTest = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            throw UsageError{"unknown option '" + arg + "'"};
        }
    }
    return options;
}

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

std::vector<uint32_t> Codes(const std::vector<Algorithm>& algorithms) {
    std::vector<uint32_t> codes;
    for (const Algorithm& algorithm : algorithms) codes.push_back(algorithm.code);
    return codes;
}

// Reports a file that could not be digested, with the library's text and the system's reason.
void ReportFailure(std::ostream& err, const std::string& file, const FileDigestResult& result) {
    err << "qxhash: " << file << ": " << HashErrorText(result.error);
    if (!result.reason.empty()) err << " (" << result.reason << ")";
    err << "\n";
}

int PrintDigests(const Options& options, QxhashIo io) {
    int status = 0;
    for (const std::string& file : options.files) {
        Progress progress(io.err, io.showProgress, file);
        const FileDigestResult result =
            DigestFile(file, Codes(options.algorithms), options.passes.value_or(0), std::ref(progress));
        if (result.error != HASH_ERR_NONE) {
            ReportFailure(io.err, file, result);
            status = 1;
            continue;
        }
        const std::string shown = file == "-" && options.tag ? "-" : file;
        const std::string prefix = NeedsEscape(shown) ? "\\" : "";
        for (size_t i = 0; i < options.algorithms.size(); ++i) {
            if (options.tag)
                io.out << prefix << options.algorithms[i].tag << " (" << EscapeFileName(shown) << ") = "
                       << result.digests[i] << "\n";
            else
                io.out << prefix << result.digests[i] << "  " << EscapeFileName(shown) << "\n";
        }
    }
    io.out.flush();
    return status;
}

// The algorithm of an untagged line: the one given with -a, else the usual one for
// the digest's length.
std::optional<Algorithm> AlgorithmForLength(const Options& options, size_t hexDigits) {
    if (!options.algorithms.empty()) return options.algorithms.front();
    switch (hexDigits) {
        case 8: return FindAlgorithm("crc32");
        case 32: return FindAlgorithm("md5");
        case 40: return FindAlgorithm("sha1");
        case 48: return FindAlgorithm("tiger192");
        case 56: return FindAlgorithm("haval224");
        case 64: return FindAlgorithm("sha256");
        case 96: return FindAlgorithm("sha384");
        case 128: return FindAlgorithm("sha512");
        default: return std::nullopt;
    }
}

struct CheckCounts {
    size_t checked = 0, mismatched = 0, unreadable = 0, malformed = 0;
};

void CheckOneLine(const Options& options, QxhashIo io, const std::string& text, CheckCounts& counts) {
    const auto line = ParseCheckLine(text);
    std::optional<Algorithm> algorithm;
    if (line) algorithm = line->tag.empty() ? AlgorithmForLength(options, line->digest.size())
                                            : FindAlgorithmByTag(line->tag);
    if (!line || !algorithm || line->digest.size() != HashDigestBits(algorithm->code) / 4) {
        ++counts.malformed;
        return;
    }
    ++counts.checked;
    std::string shown = EscapeFileName(line->file);
    if (NeedsEscape(line->file)) shown.insert(0, 1, '\\');
    Progress progress(io.err, io.showProgress, line->file);
    const FileDigestResult result =
        DigestFile(line->file, {algorithm->code}, options.passes.value_or(0), std::ref(progress));
    if (result.error != HASH_ERR_NONE) {
        ReportFailure(io.err, line->file, result);
        io.out << shown << ": FAILED open or read\n";
        ++counts.unreadable;
    } else if (result.digests.front() != line->digest) {
        io.out << shown << ": FAILED\n";
        ++counts.mismatched;
    } else if (!options.quiet) {
        io.out << shown << ": OK\n";
    }
}

const char* Plural(size_t n, const char* one, const char* many) { return n == 1 ? one : many; }

int CheckLists(const Options& options, QxhashIo io) {
    int status = 0;
    for (const std::string& list : options.files) {
        std::ifstream file;
        if (list != "-") {
            file.open(list);
            if (!file) {
                io.err << "qxhash: " << list << ": " << HashErrorText(HASH_ERR_OPEN_FILE) << "\n";
                status = 1;
                continue;
            }
        }
        std::istream& in = list == "-" ? std::cin : file;
        CheckCounts counts;
        std::string text;
        while (std::getline(in, text)) CheckOneLine(options, io, text, counts);
        if (in.bad()) {
            io.err << "qxhash: " << list << ": " << HashErrorText(HASH_ERR_READ_FILE) << "\n";
            status = 1;
        }
        io.out.flush();
        if (counts.checked == 0) {
            io.err << "qxhash: " << list << ": no properly formatted checksum lines found\n";
            status = 1;
            continue;
        }
        if (counts.malformed)
            io.err << "qxhash: WARNING: " << counts.malformed << Plural(counts.malformed, " line is", " lines are")
                   << " improperly formatted\n";
        if (counts.unreadable)
            io.err << "qxhash: WARNING: " << counts.unreadable
                   << Plural(counts.unreadable, " listed file", " listed files") << " could not be read\n";
        if (counts.mismatched)
            io.err << "qxhash: WARNING: " << counts.mismatched
                   << Plural(counts.mismatched, " computed checksum", " computed checksums") << " did NOT match\n";
        if (counts.unreadable || counts.mismatched) status = 1;
    }
    return status;
}

void ListTypes(std::ostream& out) {
    for (const Algorithm& algorithm : AllAlgorithms())
        out << algorithm.code << "  " << algorithm.name << "  " << HashDigestBits(algorithm.code) << "\n";
}

}  // namespace

int RunQxhash(const std::vector<std::string>& args, QxhashIo io) {
    Options options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& error) {
        io.err << "qxhash: " << error.message << "\nTry 'qxhash --help' for more information.\n";
        return 2;
    }
    if (options.help) {
        io.out << kUsage;
        return 0;
    }
    if (options.version) {
        io.out << "qxhash (Quorvix) 1.0\n";
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
    if (options.files.empty()) options.files.push_back("-");
    if (options.check) return CheckLists(options, io);
    if (options.algorithms.empty()) options.algorithms.push_back(*FindAlgorithm("sha256"));
    return PrintDigests(options, io);
}
