// The qxhash program itself: what it does when its output cannot be written, and
// lists passed between it and the real rhash in both directions.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Program.h"
#include "ScratchFolder.h"

#ifndef QXHASH_PROGRAM
#error "QXHASH_PROGRAM names the program"
#endif

namespace fs = std::filesystem;

namespace {

class QxhashProgram : public ::testing::Test {
protected:
    void SetUp() override {
        Write("abc.txt", "abc");
        Write("with space.txt", std::string(5000, 'q'));
        Write("nine.txt", "123456789");
    }
    void Write(const std::string& name, const std::string& content) const { scratch_.Write(name, content); }
    ProgramResult Qxhash(std::vector<std::string> args, ProgramRun how = {}) const {
        args.insert(args.begin(), QXHASH_PROGRAM);
        how.args = args;
        how.folder = dir_.string();
        return RunProgram(how);
    }
    ProgramResult Rhash(std::vector<std::string> args) const {
        args.insert(args.begin(), "rhash");
        ProgramRun how;
        how.args = args;
        how.folder = dir_.string();
        return RunProgram(how);
    }

    ScratchFolder scratch_{"qxhash-program"};
    const fs::path& dir_ = scratch_.Folder();
};

}  // namespace

// Like coreutils: every write and the final flush checked, "write error" with the
// system's reason, exit status 1 — for every command that writes.
TEST_F(QxhashProgram, WriteErrorsAreReported) {
    Write("list", "900150983cd24fb0d6963f7d28e17f72  abc.txt\n");
    const std::vector<std::vector<std::string>> commands = {
        {"abc.txt"}, {"-c", "list"}, {"--list"}, {"--help"}, {"--self-test"}, {"--version"}, {"-j", "2", "abc.txt", "nine.txt"},
    };
    for (const auto& command : commands) {
        ProgramRun full;
        full.output = "/dev/full";
        const ProgramResult onFullDisk = Qxhash(command, full);
        EXPECT_EQ(onFullDisk.status, 1) << command[0];
        EXPECT_NE(onFullDisk.err.find("qxhash: write error: No space left on device"), std::string::npos) << command[0] << onFullDisk.err;

        ProgramRun closed;
        closed.closedOutput = true;
        closed.ignoreSigpipe = true;
        const ProgramResult intoClosedPipe = Qxhash(command, closed);
        EXPECT_EQ(intoClosedPipe.status, 1) << command[0];
        EXPECT_NE(intoClosedPipe.err.find("qxhash: write error: Broken pipe"), std::string::npos) << command[0] << intoClosedPipe.err;
    }
    // With SIGPIPE as it usually is, the signal ends the program, as it ends sha256sum.
    ProgramRun closed;
    closed.closedOutput = true;
    EXPECT_EQ(Qxhash({"abc.txt"}, closed).signal, SIGPIPE);
}

// A list many lines long on a full disk stops at the first failed write.
TEST_F(QxhashProgram, FullDiskStopsAtOnce) {
    std::vector<std::string> args;
    for (int i = 0; i < 2000; ++i) args.push_back("abc.txt");
    ProgramRun full;
    full.output = "/dev/full";
    const ProgramResult result = Qxhash(args, full);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "qxhash: write error: No space left on device\n");
}

TEST_F(QxhashProgram, RhashListsCheck) {
    const std::vector<std::vector<std::string>> made = {
        {"--bsd", "--crc32", "--md4", "--md5", "--sha1", "--tiger", "--gost94", "--ripemd160", "--sha256", "--sha384", "--sha512"},
        {"--crc32", "--md5", "--sha1", "--tiger", "--sha512"},  // the default form: file, then the digests
        {"--md4", "--md5"},  // two types of the same length on one line
        {"--sfv"},
        {},  // rhash's default: SFV lines with CRC-32
    };
    for (const auto& options : made) {
        std::vector<std::string> args = options;
        args.insert(args.end(), {"abc.txt", "with space.txt", "nine.txt"});
        const ProgramResult list = Rhash(args);
        ASSERT_EQ(list.status, 0) << "rhash " << (options.empty() ? "" : options[0]) << list.err;
        Write("from-rhash", list.out);
        const ProgramResult check = Qxhash({"-c", "from-rhash"});
        EXPECT_EQ(check.status, 0) << list.out << check.out << check.err;
        // One OK per line of the list, each line naming one of the files.
        std::istringstream lines(list.out);
        std::string line, expected;
        while (std::getline(lines, line)) {
            if (line.empty() || line[0] == ';') continue;
            for (const char* file : {"abc.txt", "with space.txt", "nine.txt"})
                if (line.find(file) != std::string::npos) expected += std::string(file) + ": OK\n";
        }
        EXPECT_EQ(check.out, expected) << list.out;
        EXPECT_NE(expected, "");
    }
}

TEST_F(QxhashProgram, TaggedListsCheckWithRhash) {
    for (const char* type : {"crc32", "md4", "md5", "sha1", "sha256", "sha384", "sha512", "ripemd160", "tiger192", "gost"}) {
        const ProgramResult list = Qxhash({"--tag", "-a", type, "abc.txt", "with space.txt", "nine.txt"});
        ASSERT_EQ(list.status, 0);
        Write("from-qxhash", list.out);
        const ProgramResult check = Rhash({"-c", "from-qxhash"});
        EXPECT_EQ(check.status, 0) << type << "\n" << list.out << check.out << check.err;
        EXPECT_NE(check.out.find("Everything OK"), std::string::npos) << type << "\n" << list.out << check.out;
    }
}
