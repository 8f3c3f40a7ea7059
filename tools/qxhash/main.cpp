#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <iostream>

#include "Output.h"
#include "Qxhash.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const bool terminal = ::isatty(STDOUT_FILENO) && ::isatty(STDERR_FILENO);
    FdOutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    std::setlocale(LC_CTYPE, "");  // which characters of a name a message can show as they are
    const Personality personality = PersonalityOf(argc > 0 ? argv[0] : "qxhash");
    if (personality.unknown) {
        std::cerr << UnknownPersonalityText(personality);
        return 1;
    }
    int status = RunQxhash(std::vector<std::string>(argv + 1, argv + argc), {out, std::cerr, terminal}, personality);
    // Closing is the last write: some filesystems report a failed write only here.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF && status == 0) {
        std::cerr << personality.program << ": write error: " << std::strerror(errno) << "\n";
        status = 1;
    }
    return status;
}
