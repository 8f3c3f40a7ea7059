// qxhash's command line: the options of md5sum and sha256sum, of rhash (-r), and its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Algorithms.h"

// What the program acts as: qxhash, or md5sum, sha1sum, sha256sum, sha384sum or
// sha512sum when started under that name (a link), with that program's algorithm and
// its name in messages and usage.
struct Personality {
    std::string program = "qxhash";  // as started, like coreutils' messages name it
    std::string algorithm;  // empty for qxhash: sha256 to print, any type to check
    bool unknown = false;   // a coreutils name qxhash cannot act as (sha224sum, b2sum)
};
// From the name the program was started under (argv[0]).
Personality PersonalityOf(const std::string& startedAs);
// Why qxhash refuses to run under an unknown coreutils name.
std::string UnknownPersonalityText(const Personality& personality);

struct Options {
    std::string program = "qxhash";  // the name in messages
    bool coreutils = false;           // acting as md5sum or sha*sum: their forms and words only
    std::vector<Variant> algorithms;  // as given; the pass count 0 when not given
    std::optional<uint32_t> passes;
    bool tag = false;
    bool binary = false;     // "*" before the file name
    bool markGiven = false;  // -b or -t given
    bool zero = false;       // lines end with NUL, file names unescaped
    bool recursive = false;
    bool check = false;
    // What checking prints; of --quiet, --status and --warn the last given counts.
    enum class Report { Normal, Quiet, Status, Warn } report = Report::Normal;
    bool strict = false;
    bool ignoreMissing = false;
    bool list = false;
    bool selfTest = false;
    bool help = false;
    bool version = false;
    unsigned jobs = 0;       // files digested at once; 0: one per processor
    std::vector<std::string> files;
};

struct UsageError {
    std::string message;
};

// Throws UsageError, also for the combinations md5sum refuses.
Options ParseOptions(const std::vector<std::string>& args, const Personality& personality = {});

std::string UsageText(const Options& options);
