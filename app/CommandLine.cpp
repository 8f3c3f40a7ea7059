#include "app/CommandLine.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "QuorvixVersion.h"

namespace {

constexpr const char* kHelp =
    "Usage: quorvix [OPTION]... [QT-OPTION]...\n"
    "A pairs-matching memory game: 36 cards face down, 18 pairs to find.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform or -style, are passed to Qt.\n"
    "\n"
    "Keys: the arrows, Home and End move between the cards; Space or Enter turns one.\n"
    "F2 deals a new game, F3 shows the leaders, F4 shows a partner card (Show!),\n"
    "F1 tells how to play, F10 ends the game.\n"
    "\n"
    "Files: leads.dat, the leaders table, in the folder the game is started from;\n"
    "the settings in ~/.config/Dravontek/Quorvix.ini.\n"
    "The game speaks German, French, Spanish, Italian and Polish as the locale asks.\n";

int Print(std::string_view text, std::FILE* out, std::FILE* err) {
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    const bool flushed = std::fflush(out) == 0;
    if (written && flushed) return 0;
    std::fprintf(err, "quorvix: cannot write the answer: %s\n", std::strerror(errno));
    return 1;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "-h" || arg == "--help") return Print(kHelp, out, err);
        if (arg == "--version") return Print("quorvix " QUORVIX_VERSION "\n", out, err);
    }
    return std::nullopt;
}
