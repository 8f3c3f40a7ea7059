// qxhash's command line: the options of md5sum and sha256sum, of rhash (-r), and its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Algorithms.h"

struct Options {
    std::vector<Variant> algorithms;  // as given; the pass count 0 when not given
    std::optional<uint32_t> passes;
    bool tag = false;
    bool binary = false;     // "*" before the file name
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

// Throws UsageError.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;
