// What the program answers on its command line before it opens any window, so that
// --help and --version work without a display, on a terminal or in a pipe.
#pragma once

#include <cstdio>
#include <optional>

// The exit status when the arguments ask for an answer (written to `out`; a failed
// write is told on `err`), or nothing when the game is to start. Every other argument
// is left to Qt, whose own options (-platform, -style, ...) the game accepts.
std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err);
