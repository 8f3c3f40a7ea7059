// Running a program as a user runs it: arguments, a folder, standard input from a
// file, standard output to a file or a pipe, and the exit status it ends with.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
    int status = -1;     // the exit status; -1 when it did not exit normally
    int signal = 0;      // the signal that ended it
    std::string out;     // standard output, when it was captured
    std::string err;
};

struct ProgramRun {
    std::vector<std::string> args;  // args[0] is the program
    std::string folder;             // to run in; empty: this process's
    std::string input;              // a file for standard input; empty: /dev/null
    // Where standard output goes: captured when empty, else this file ("/dev/full").
    std::string output;
    bool closedOutput = false;      // standard output a pipe whose reading end is closed
    bool ignoreSigpipe = false;     // SIGPIPE ignored, as some shells and services start programs
    bool errorsWithOutput = false;  // standard error where standard output goes, as 2>&1
};

ProgramResult RunProgram(const ProgramRun& run);
