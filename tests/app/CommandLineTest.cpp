// The program's answers on its command line, from the program itself, with no display:
// Qt's X11 platform is chosen and no server named, so a program that opened a window
// instead of answering would fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Program.h"
#include "QuorvixVersion.h"

namespace {

class CommandLine : public testing::Test {
protected:
    static void SetUpTestSuite() {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
};

}  // namespace

TEST_F(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    struct Case {
        std::vector<std::string> args;
        std::string outStart;
    };
    const Case cases[] = {
        {{"--help"}, "Usage: quorvix [OPTION]... [QT-OPTION]...\n"},
        {{"-h"}, "Usage: quorvix [OPTION]... [QT-OPTION]...\n"},
        {{"-platform", "offscreen", "--help"}, "Usage: quorvix"},
        {{"--version"}, "quorvix " QUORVIX_VERSION "\n"},
        {{"--version", "--help"}, "quorvix " QUORVIX_VERSION "\n"},  // the first asked is answered
    };
    for (const Case& c : cases) {
        ProgramRun run;
        run.args = {QUORVIX_PROGRAM};
        run.args.insert(run.args.end(), c.args.begin(), c.args.end());
        const ProgramResult result = RunProgram(run);
        EXPECT_EQ(result.status, 0) << c.args[0] << ": " << result.err;
        EXPECT_EQ(result.out.rfind(c.outStart, 0), 0u) << result.out;
        EXPECT_EQ(result.err, "");
    }
    // The whole version line, and a help that names every key the game answers.
    ProgramRun askHelp;
    askHelp.args = {QUORVIX_PROGRAM, "--help"};
    const ProgramResult help = RunProgram(askHelp);
    for (const char* said : {"--version", "F1", "F2", "F3", "F4", "F10", "Space", "leads.dat", "Quorvix.ini"})
        EXPECT_NE(help.out.find(said), std::string::npos) << said;
}

TEST_F(CommandLine, AnAnswerThatCannotBeWrittenFails) {
    for (const char* option : {"--help", "--version"}) {
        ProgramRun full;
        full.args = {QUORVIX_PROGRAM, option};
        full.output = "/dev/full";
        const ProgramResult result = RunProgram(full);
        EXPECT_EQ(result.status, 1) << option;
        EXPECT_EQ(result.err, "quorvix: cannot write the answer: No space left on device\n") << option;
    }
}
