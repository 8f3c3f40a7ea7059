#include "Options.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

const char* const kUsage = R"(Usage: qxhash [OPTION]... [FILE]...
Print or check message digests. With no FILE, or when FILE is -, read standard input.

  -a, --algorithm=NAME  digest type: a name from --list or its type code, with the
                        pass count after a comma for HAVAL and Tiger (haval256,5);
                        may be given several times to digest each file once with all
                        of them (default: sha256)
      --passes=N        pass count for HAVAL (3, 4 or 5) and Tiger (1 or more);
                        default 3
      --tag             print BSD-style lines: NAME (FILE) = DIGEST
  -b, --binary          mark files with '*' in untagged lines (as md5sum -b)
  -t, --text            mark files with ' ' in untagged lines (the default)
  -z, --zero            end each output line with NUL, not newline, and do not
                        escape file names
  -r, --recursive       digest the files in folders and their subfolders
  -j, --jobs=N          digest N files at once (default: one per processor)
  -c, --check           read digests from the FILEs and check them

The following five options are useful only when checking:
      --ignore-missing  do not fail or report for missing files
      --quiet           do not print OK for each file that matches
      --status          print nothing; the exit status shows the result
      --strict          exit non-zero for improperly formatted lines
  -w, --warn            warn about improperly formatted lines; with -r, name
                        what is skipped (pipes, devices, sockets)

      --list            list the digest types: code, name and digest length in bits
      --self-test       check the library against its known answers
  -h, --help            show this help and exit
      --version         show the version and exit

Lists may be in the coreutils form (DIGEST  FILE, DIGEST *FILE), BSD's reversed
form (DIGEST FILE), in BSD tags (rhash's spellings included, and OpenSSL's
NAME(FILE)= DIGEST), or in rhash's own forms (FILE  DIGEST..., FILE CRC32). CRC-32
and Tiger are printed in the byte order other tools use; lists in the library's own
order check as well. Started as md5sum, sha1sum, sha256sum, sha384sum or sha512sum
it acts as that program.

Exit status: 0 on success, 1 if a file could not be read or a digest did not match,
or on a usage error.
)";

uint32_t WholeNumber(const std::string& text, const std::string& option, uint32_t low, uint32_t high) {
    uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < low || number > high)
        throw UsageError{option + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                         ", not '" + text + "'"};
    return number;
}

const std::pair<const char*, bool Options::*> kFlags[] = {
    {"--tag", &Options::tag},          {"-b", &Options::binary},          {"--binary", &Options::binary},
    {"-z", &Options::zero},            {"--zero", &Options::zero},        {"-r", &Options::recursive},
    {"--recursive", &Options::recursive}, {"-c", &Options::check},        {"--check", &Options::check},
    {"--strict", &Options::strict},    {"--ignore-missing", &Options::ignoreMissing},
    {"--list", &Options::list},        {"--self-test", &Options::selfTest}, {"-h", &Options::help},
    {"--help", &Options::help},        {"--version", &Options::version},
};

bool TakesValue(const std::string& name) {
    return name == "-a" || name == "--algorithm" || name == "--passes" || name == "-j" || name == "--jobs";
}

// The long options, md5sum's first: under a coreutils name only those are abbreviated,
// as md5sum abbreviates them.
constexpr const char* kLongOptions[] = {
    "--binary", "--check", "--help", "--ignore-missing", "--quiet", "--status", "--strict", "--tag", "--text",
    "--warn", "--zero", "--version", "--algorithm", "--jobs", "--list", "--passes", "--recursive", "--self-test",
};
constexpr size_t kCoreutilsLongOptions = 12;

// A long option as given or by a unique beginning of its name ("--ch" for --check), as
// every GNU program takes it.
std::string LongOption(const std::string& given, bool coreutils) {
    const size_t count = coreutils ? kCoreutilsLongOptions : std::size(kLongOptions);
    std::vector<std::string> matches;
    for (size_t i = 0; i < count; ++i) {
        const std::string name = kLongOptions[i];
        if (name == given) return name;
        if (name.compare(0, given.size(), given) == 0) matches.push_back(name);
    }
    if (matches.size() == 1) return matches[0];
    if (matches.empty()) throw UsageError{(coreutils ? "unrecognized option '" : "unknown option '") + given + "'"};
    std::string message = "option '" + given + "' is ambiguous; possibilities:";
    for (const std::string& match : matches) message += " '" + match + "'";
    throw UsageError{message};
}

// One option per word: "--name=value" and "-xVALUE" split in two, long options named
// whole, and single-letter flags run together ("-bc") split into one word each.
std::vector<std::string> Words(const std::vector<std::string>& args, bool coreutils) {
    std::vector<std::string> words;
    bool filesOnly = false;
    for (const std::string& arg : args) {
        if (filesOnly || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
        } else if (arg == "--") {
            filesOnly = true;
            words.push_back(arg);
        } else if (arg[1] == '-') {
            const size_t equals = arg.find('=');
            words.push_back(LongOption(arg.substr(0, equals), coreutils));
            if (equals != std::string::npos) {
                if (!TakesValue(words.back()))
                    throw UsageError{"option '" + words.back() + (coreutils ? "' doesn't allow an argument" : "' takes no value")};
                words.push_back(arg.substr(equals + 1));
            }
        } else {
            for (size_t k = 1; k < arg.size(); ++k) {
                words.push_back(std::string("-") + arg[k]);
                if (TakesValue(words.back()) && k + 1 < arg.size()) {
                    words.push_back(arg.substr(k + 1));
                    break;
                }
            }
        }
    }
    return words;
}

// The combinations md5sum refuses, in the order it checks them.
void CheckCombinations(const Options& options) {
    if (options.help || options.version || options.list || options.selfTest) return;
    if (options.zero && options.check) throw UsageError{"the --zero option is not supported when verifying checksums"};
    if (options.tag && options.markGiven && !options.binary) throw UsageError{"--tag does not support --text mode"};
    if (options.tag && options.check) throw UsageError{"the --tag option is meaningless when verifying checksums"};
    if (options.markGiven && options.check)
        throw UsageError{"the --binary and --text options are meaningless when verifying checksums"};
    const auto onlyWhenChecking = [](const char* option) {
        return UsageError{std::string("the ") + option + " option is meaningful only when verifying checksums"};
    };
    if (!options.check) {
        if (options.ignoreMissing) throw onlyWhenChecking("--ignore-missing");
        if (options.report == Options::Report::Status) throw onlyWhenChecking("--status");
        // In a walk --warn names what was skipped, as coreutils has no walk to refuse it for.
        if (options.report == Options::Report::Warn && !options.recursive) throw onlyWhenChecking("--warn");
        if (options.report == Options::Report::Quiet) throw onlyWhenChecking("--quiet");
        if (options.strict) throw onlyWhenChecking("--strict");
    }
    // A count given for all: HAVAL has only three.
    if (options.passes)
        for (const Variant& variant : options.algorithms)
            if (variant.algorithm.usesPasses && !variant.passes && !PassesAllowed(variant.algorithm, *options.passes))
                throw UsageError{"--passes " + std::to_string(*options.passes) + " is not a pass count of " +
                                 std::string(variant.algorithm.name) + ": 3, 4 or 5"};
}

}  // namespace

Personality PersonalityOf(const std::string& startedAs) {
    const std::string name = startedAs.substr(startedAs.rfind('/') + 1);
    for (const char* algorithm : {"md5", "sha1", "sha256", "sha384", "sha512"})
        if (name == std::string(algorithm) + "sum") return {startedAs, algorithm};  // named as coreutils names itself
    // Another digest program's name (sha224sum, b2sum, cksum): its digests are not ours,
    // and printing SHA-256 in their place would pass for them.
    if (name.size() >= 3 && name.compare(name.size() - 3, 3, "sum") == 0) return {startedAs, "", true};
    return {};
}

std::string UnknownPersonalityText(const Personality& personality) {
    const std::string name = personality.program.substr(personality.program.rfind('/') + 1);
    return personality.program + ": qxhash cannot act as " + name +
           "; it acts as md5sum, sha1sum, sha256sum, sha384sum and sha512sum, or as qxhash under its own name\n";
}

std::string UsageText(const Options& options) {
    std::string text = kUsage;
    if (options.program != "qxhash") {
        text.replace(text.find("qxhash"), 6, options.program);
        const std::string name = options.program.substr(options.program.rfind('/') + 1);
        const std::string algorithm = name.substr(0, name.size() - 3);
        text.replace(text.find("(default: sha256)"), 17, "(default: " + algorithm + ")");
    }
    return text;
}

Options ParseOptions(const std::vector<std::string>& args, const Personality& personality) {
    Options options;
    options.program = personality.program;
    options.coreutils = !personality.algorithm.empty();
    const std::vector<std::string> words = Words(args, options.coreutils);
    bool filesOnly = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (filesOnly || word == "-" || word.empty() || word[0] != '-') {
            options.files.push_back(word);
            continue;
        }
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= words.size())
                throw UsageError{"option '" + word + (options.coreutils ? "' requires an argument" : "' needs a value")};
            return words[++i];
        };
        if (word == "--") {
            filesOnly = true;
        } else if (word == "-a" || word == "--algorithm") {
            const std::string& text = value();
            const auto variant = FindVariant(text);
            if (!variant) throw UsageError{"unknown digest type '" + text + "' (see --list)"};
            options.algorithms.push_back(*variant);
        } else if (word == "--passes") {
            options.passes = WholeNumber(value(), "--passes", 1, UINT32_MAX);
        } else if (word == "-j" || word == "--jobs") {
            options.jobs = WholeNumber(value(), "--jobs", 1, 1024);
        } else if (word == "-t" || word == "--text") {
            options.binary = false;
            options.markGiven = true;
        } else if (word == "--quiet") {
            options.report = Options::Report::Quiet;
        } else if (word == "--status") {
            options.report = Options::Report::Status;
        } else if (word == "-w" || word == "--warn") {
            options.report = Options::Report::Warn;
        } else {
            const auto flag = std::find_if(std::begin(kFlags), std::end(kFlags), [&](const auto& f) { return word == f.first; });
            if (flag == std::end(kFlags))
                throw UsageError{options.coreutils ? "invalid option -- '" + word.substr(1) + "'" : "unknown option '" + word + "'"};
            options.*(flag->second) = true;
            if (flag->second == &Options::binary) options.markGiven = true;
        }
    }
    if (options.algorithms.empty() && !personality.algorithm.empty())
        options.algorithms.push_back(*FindVariant(personality.algorithm));
    CheckCombinations(options);
    return options;
}
