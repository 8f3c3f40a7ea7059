#include <unistd.h>

#include <iostream>

#include "Qxhash.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const bool terminal = ::isatty(STDOUT_FILENO) && ::isatty(STDERR_FILENO);
    return RunQxhash(std::vector<std::string>(argv + 1, argv + argc), {std::cout, std::cerr, terminal});
}
