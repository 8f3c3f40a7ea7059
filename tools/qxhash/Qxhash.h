// The qxhash command line, apart from the process it runs in so tests can drive it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "Options.h"

struct QxhashIo {
    std::ostream& out;
    std::ostream& err;
    bool showProgress;  // standard error and output are a terminal
};

// args excludes the program name. Returns the exit status: 0 success; 1 a file
// failed or did not match, the output could not be written, or a usage error.
int RunQxhash(const std::vector<std::string>& args, QxhashIo io, const Personality& personality = {});
