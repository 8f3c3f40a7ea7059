// qxhash beside the real md5sum, sha*sum and rhash: the same lists and the same
// mistakes given to both, the same lines, messages and exit status expected. qxhash
// runs through a link named as the peer, as a distribution would install it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Program.h"
#include "ScratchFolder.h"
#include "digest/CryptoAPI.h"

#ifndef QXHASH_PROGRAM
#error "QXHASH_PROGRAM names the program"
#endif

namespace fs = std::filesystem;

namespace {

std::string Md5(const std::string& text) {
    std::string digest;
    HashString(HASH_MD5, text, digest);
    return digest;
}

class SumPeers : public ::testing::Test {
protected:
    void SetUp() override {
        // Names in a language's letters are shown as they are only in such a locale.
        ::setenv("LC_ALL", "C.UTF-8", 1);
        for (const auto& [name, content] : kFiles) scratch_.Write(name, content);
        fs::create_directory(scratch_.Folder() / "folder");
        for (const char* peer : {"md5sum", "sha1sum", "sha256sum", "sha384sum", "sha512sum"})
            fs::create_symlink(QXHASH_PROGRAM, scratch_.Folder() / peer);
    }

    // The peer's run and qxhash's under the peer's name, the program names made alike.
    struct Both {
        ProgramResult peer, ours;
    };
    Both Run(const std::string& peer, const std::vector<std::string>& args, bool mixed = false) const {
        const std::string real = "/usr/bin/" + peer, link = scratch_.Path(peer);
        ProgramRun how;
        how.errorsWithOutput = mixed;
        how.folder = scratch_.Folder().string();
        how.args = {real};
        how.args.insert(how.args.end(), args.begin(), args.end());
        Both both{RunProgram(how), {}};
        how.args[0] = link;
        both.ours = RunProgram(how);
        for (auto& [result, name] : {std::pair{&both.peer, real}, std::pair{&both.ours, link}})
            for (std::string* text : {&result->out, &result->err})
                for (size_t at; (at = text->find(name)) != std::string::npos;) text->replace(at, name.size(), "PROGRAM");
        return both;
    }
    void ExpectSame(const std::string& peer, const std::vector<std::string>& args, const std::string& what,
                    bool mixed = false) const {
        const Both both = Run(peer, args, mixed);
        EXPECT_EQ(both.ours.status, both.peer.status) << what;
        EXPECT_EQ(both.ours.out, both.peer.out) << what;
        EXPECT_EQ(both.ours.err, both.peer.err) << what;
    }

    const std::vector<std::pair<std::string, std::string>> kFiles = {
        {"a", "a"}, {" b", "b"}, {"*c", "c"}, {"d", "d"}, {"e", "e"}, {"it's", "f"}};
    ScratchFolder scratch_{"sum-peers"};
};

}  // namespace

// Every list md5sum reads, and the lines it refuses, read alike.
TEST_F(SumPeers, ListsCheckAsMd5sumChecksThem) {
    const std::string a = Md5("a"), d = Md5("d");
    std::string reversed;
    for (const auto& [name, content] : kFiles) reversed += Md5(content) + " " + name + "\n";
    const struct {
        const char* name;
        std::string list;
        std::vector<std::string> options;
    } rows[] = {
        {"BSD reversed, names starting with a blank or '*'", reversed, {"--strict"}},
        {"OpenSSL's form", "MD5(a)= " + a + "\nMD5(d)=" + d + "\n", {}},
        {"BSD tags", "MD5 (a) = " + a + "\n  MD5 (d) = " + d + "\n", {}},
        {"leading blanks, also before an escape", "   " + a + "  a\n\t" + d + "  d\n \\" + a + "  a\n", {}},
        {"a tab after the digest", a + "\td\n", {"--warn"}},
        {"the reversed form after the usual one", a + "  a\n" + d + " d\n", {"--warn"}},
        {"a mismatch", d + "  a\n" + d + "  d\n", {}},
        {"missing files and a folder", a + "  missing\n" + a + "  folder\n" + a + "  a\n", {}},
        {"missing files ignored", a + "  missing\n" + a + "  a\n", {"--ignore-missing"}},
        {"nothing verified", a + "  missing\n", {"--ignore-missing"}},
        {"no formatted line", "not a checksum\n", {"--warn"}},
        {"quiet", a + "  a\n" + d + "  a\n", {"--quiet"}},
        {"status", a + "  a\n" + d + "  a\n", {"--status"}},
        {"strict", a + "  a\nbad line\n", {"--strict"}},
        {"Windows line ends", a + "  a\r\n", {}},
        // Forms other tools write, which md5sum refuses even when they would match.
        {"rhash's form", "a  " + a + "\n" + a + "  a\n", {"--strict", "--warn"}},
        {"a padded tag", "MD5  (a) = " + a + "\n" + a + "  a\n", {"--strict", "--warn"}},
        {"another type's tag", "SHA1 (a) = 86f7e437faa5a7fce15d1ddcb9eaeaea377667b8\n" + a + "  a\n", {"--strict", "--warn"}},
        {"a tag in small letters", "md5 (a) = " + a + "\n" + a + "  a\n", {"--strict", "--warn"}},
        {"rhash's comments", "; made by rhash\n" + a + "  a\n", {"--strict", "--warn"}},
        {"a digest cut short", "MD5 (a) = " + a.substr(2) + "\n" + a + "  a\n", {"--warn"}},
        {"names that need quotes", a + "  a b\n" + a + "  it's\n" + a + "  \\new\\nline\n" + a + "  #x\n", {}},
    };
    for (const auto& row : rows) {
        scratch_.Write("list", row.list);
        std::vector<std::string> args = row.options;
        args.insert(args.end(), {"-c", "list"});
        ExpectSame("md5sum", args, row.name);
    }
    ExpectSame("md5sum", {"-c", "no-such-list"}, "a list that cannot be opened");
    ExpectSame("md5sum", {"-c", "folder"}, "a folder as the list");
    ExpectSame("md5sum", {"-c", "my list"}, "a list whose name needs quotes");
    ExpectSame("md5sum", {"-c", "-"}, "standard input, empty");
    // Messages and lines in one file, in the order they were made.
    scratch_.Write("list", a + "  missing\n" + a + "  a\n" + d + "  a\nbad\n" + a + "  gone\n" + a + "  a\n");
    ExpectSame("md5sum", {"-c", "-w", "list"}, "a list's lines and messages in one stream", true);
    ExpectSame("md5sum", {"a", "missing", "d", "folder", "e"}, "digests and messages in one stream", true);
}

// The usage errors md5sum refuses, and the lines it prints.
TEST_F(SumPeers, OptionsAndLinesAsMd5sum) {
    const std::vector<std::vector<std::string>> commands = {
        {"--ignore-missing", "a"}, {"--tag", "--text", "a"}, {"--tag", "-c", "a"}, {"-b", "-c", "a"},
        {"--status", "a"},         {"--warn", "a"},          {"--quiet", "a"},     {"--strict", "a"},
        {"-z", "-c", "a"},         {"--status", "--quiet", "a"},
        {"a", " b", "*c"},         {"-b", "a", "d"},         {"--tag", "a"},       {"--tag", "-b", "a"},
        {"missing", "a"},          {"folder"},               {"-z", "a"},
        // Long options by a unique beginning, as GNU programs take them, and the refusals.
        {"--ta", "a"},             {"--b", "a"},             {"--zer", "a"},       {"--t", "a"},
        {"--st", "a"},             {"--foo", "a"},           {"--check=x", "a"},   {"-x", "a"},
        {"--ch", "--ign", "--qu", "a"}, {"--al", "a"},
        // Names quoted in messages as coreutils quotes them.
        {"a b", "it's", "new\nline", "x\x01", "#x", "~x", "a:b", "", "a\"b'c", "\xff", "caf\xc3\xa9", "\xc2\x85"},
    };
    for (const auto& command : commands) {
        std::string what;
        for (const std::string& word : command) what += word + " ";
        ExpectSame("md5sum", command, what);
    }
}

// Each name gives that program's algorithm, lines and checks.
TEST_F(SumPeers, EachNameActsAsItsProgram) {
    for (const char* peer : {"sha1sum", "sha256sum", "sha384sum", "sha512sum"}) {
        const Both made = Run(peer, {"a", "d"});
        EXPECT_EQ(made.ours.out, made.peer.out) << peer;
        scratch_.Write("list", made.peer.out + "0000  a\n");
        ExpectSame(peer, {"--warn", "-c", "list"}, peer);
        ExpectSame(peer, {"--tag", "a"}, peer);
    }
    // A digest program qxhash is not is refused, never answered with other digests.
    for (const char* unknown : {"sha224sum", "b2sum"}) {
        fs::create_symlink(QXHASH_PROGRAM, scratch_.Folder() / unknown);
        ProgramRun how;
        how.args = {scratch_.Path(unknown), "a"};
        const ProgramResult ran = RunProgram(how);
        EXPECT_EQ(ran.status, 1) << unknown;
        EXPECT_EQ(ran.out, "") << unknown;
        EXPECT_EQ(ran.err, how.args[0] + ": qxhash cannot act as " + unknown +
                               "; it acts as md5sum, sha1sum, sha256sum, sha384sum and sha512sum, or as qxhash under its own name\n")
            << unknown;
    }
}

// rhash reads one-space lists with the CRC first; qxhash checks the same files.
TEST_F(SumPeers, RhashOneSpaceListsCheck) {
    ProgramRun crc;
    crc.folder = scratch_.Folder().string();
    crc.args = {"rhash", "--crc32", "-p", "%c %p\\n", "a", "d"};
    const ProgramResult list = RunProgram(crc);
    ASSERT_EQ(list.status, 0) << list.err;
    scratch_.Write("list", "00000000 missing\n" + list.out);
    ProgramRun check = crc;
    check.args = {"rhash", "-c", "--ignore-missing", "list"};
    ASSERT_EQ(RunProgram(check).status, 0);
    check.args = {QXHASH_PROGRAM, "-c", "--ignore-missing", "list"};
    const ProgramResult ours = RunProgram(check);
    EXPECT_EQ(ours.status, 0) << ours.err;
    EXPECT_EQ(ours.out, "a: OK\nd: OK\n");
}
