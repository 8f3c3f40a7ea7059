// qxhash end to end: files in a temporary folder, output and exit status.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Algorithms.h"
#include "Options.h"
#include "Qxhash.h"
#include "ScratchFolder.h"
#include "digest/CryptoAPI.h"

namespace fs = std::filesystem;

namespace {

class Qxhash : public ::testing::Test {
protected:
    void SetUp() override {
        Write("abc.txt", "abc");
        Write("empty.txt", "");
        Write("alphabet.txt", "abcdefghijklmnopqrstuvwxyz");
    }
    std::string Path(const std::string& name) const { return scratch_.Path(name); }
    void Write(const std::string& name, const std::string& content) const { scratch_.Write(name, content); }

    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        return RunQxhash(args, {out_, err_, false});
    }

    // Runs with standard input taken from a file.
    int RunWithInput(std::vector<std::string> args, const std::string& input) {
        Write("stdin", input);
        const int saved = ::dup(STDIN_FILENO);
        const int fd = ::open(Path("stdin").c_str(), O_RDONLY);
        ::dup2(fd, STDIN_FILENO);
        ::close(fd);
        const int status = Run(std::move(args));
        ::dup2(saved, STDIN_FILENO);
        ::close(saved);
        return status;
    }

    ScratchFolder scratch_{"qxhash-test"};
    std::ostringstream out_, err_;
};

}  // namespace

TEST_F(Qxhash, DigestsFilesInCoreutilsForm) {
    EXPECT_EQ(Run({"-a", "md5", Path("abc.txt"), Path("empty.txt")}), 0);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  " + Path("abc.txt") + "\n" +
                              "d41d8cd98f00b204e9800998ecf8427e  " + Path("empty.txt") + "\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(Qxhash, SeveralTypesInTagForm) {
    EXPECT_EQ(Run({"--tag", "-a", "sha1", "-a", "crc32", "-a", "tiger192", Path("abc.txt")}), 0);
    const std::string file = Path("abc.txt");
    // CRC-32 and Tiger in the byte order other tools print, Tiger-192 under rhash's tag.
    EXPECT_EQ(out_.str(), "SHA1 (" + file + ") = a9993e364706816aba3e25717850c26c9cd0d89d\n" +
                              "CRC32 (" + file + ") = 352441c2\n" +
                              "TIGER (" + file + ") = 2aab1484e8c158f2bfb8c5ff41b57a525129131c957b5f93\n");
}

TEST_F(Qxhash, NamesCodesAndDefault) {
    ASSERT_EQ(Run({"-a", "259", Path("abc.txt")}), 0);
    const std::string byCode = out_.str();
    ASSERT_EQ(Run({"-a", "MD5", Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str(), byCode);
    ASSERT_EQ(Run({Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 64), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Usage errors exit with 1, as coreutils' do.
    EXPECT_EQ(Run({"-a", "sha3", Path("abc.txt")}), 1);
    EXPECT_NE(err_.str().find("unknown digest type 'sha3'"), std::string::npos);
    EXPECT_EQ(Run({"-a", "278", Path("abc.txt")}), 1);
    EXPECT_EQ(Run({"--bogus"}), 1);
    EXPECT_EQ(Run({"-a"}), 1);
    EXPECT_EQ(Run({"--tag=yes"}), 1);
    EXPECT_EQ(Run({"-c", "-z", Path("abc.txt")}), 1);
    EXPECT_NE(err_.str().find("the --zero option is not supported when verifying checksums"), std::string::npos);
}

TEST_F(Qxhash, TheOptionsPeopleType) {
    ASSERT_EQ(Run({"-a", "md5", Path("abc.txt")}), 0);
    const std::string md5 = out_.str();
    for (std::vector<std::string> args : {std::vector<std::string>{"--algorithm=md5"}, {"-amd5"}, {"--algorithm", "MD5"}, {"-a", "259"}}) {
        args.push_back(Path("abc.txt"));
        ASSERT_EQ(Run(args), 0) << args[0];
        EXPECT_EQ(out_.str(), md5) << args[0];
    }
    ASSERT_EQ(Run({"-ba", "md5", Path("abc.txt")}), 0);  // flags run together
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72 *" + Path("abc.txt") + "\n");
    ASSERT_EQ(Run({"-z", "-a", "md5", Path("abc.txt"), Path("empty.txt")}), 0);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  " + Path("abc.txt") + std::string(1, '\0') +
                              "d41d8cd98f00b204e9800998ecf8427e  " + Path("empty.txt") + std::string(1, '\0'));
    ASSERT_EQ(Run({"--passes=5", "-a", "haval256", Path("alphabet.txt")}), 0);
    const std::string fivePasses = out_.str();
    ASSERT_EQ(Run({"-a", "haval256,5", Path("alphabet.txt")}), 0);
    EXPECT_EQ(out_.str(), fivePasses);
}

TEST_F(Qxhash, RecursiveOverFolders) {
    fs::create_directories(scratch_.Folder() / "tree" / "sub");
    Write("tree/b.txt", "abc");
    Write("tree/sub/a.txt", "");
    Write("tree/a.txt", "abc");
    ASSERT_EQ(Run({"-r", "-a", "md5", Path("tree")}), 0);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  " + Path("tree/a.txt") + "\n" +
                              "900150983cd24fb0d6963f7d28e17f72  " + Path("tree/b.txt") + "\n" +
                              "d41d8cd98f00b204e9800998ecf8427e  " + Path("tree/sub/a.txt") + "\n");
    EXPECT_EQ(Run({"-a", "md5", Path("tree")}), 1);  // without -r a folder is no file
    EXPECT_NE(err_.str().find("Is a directory"), std::string::npos);
    // Links to folders met in the walk are skipped, a loop among them too; a link to a
    // file is read; a link named on the command line is followed.
    fs::create_directory_symlink("sub", scratch_.Folder() / "tree" / "link");
    fs::create_directory_symlink("..", scratch_.Folder() / "tree" / "sub" / "loop");
    fs::create_symlink("a.txt", scratch_.Folder() / "tree" / "c.txt");
    fs::create_directory_symlink("tree/sub", scratch_.Folder() / "named");
    ASSERT_EQ(Run({"-r", "-a", "md5", Path("tree"), Path("named")}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  " + Path("tree/a.txt") + "\n" +
                              "900150983cd24fb0d6963f7d28e17f72  " + Path("tree/b.txt") + "\n" +
                              "900150983cd24fb0d6963f7d28e17f72  " + Path("tree/c.txt") + "\n" +
                              "d41d8cd98f00b204e9800998ecf8427e  " + Path("tree/sub/a.txt") + "\n" +
                              "d41d8cd98f00b204e9800998ecf8427e  " + Path("named/a.txt") + "\n");
    EXPECT_EQ(err_.str(), "");
    // A pipe, a link to one and a link to a device in the tree are skipped at once,
    // named with --warn; a pipe named on the command line is read.
    ASSERT_EQ(::mkfifo(Path("tree/sub/pipe").c_str(), 0644), 0);
    fs::create_symlink("sub/pipe", scratch_.Folder() / "tree" / "to-pipe");
    fs::create_symlink("/dev/zero", scratch_.Folder() / "tree" / "zero");
    const std::string digests = out_.str();
    ::alarm(20);  // a walk that waits on the pipe fails here rather than hanging
    ASSERT_EQ(Run({"-r", "-w", "-a", "md5", Path("tree"), Path("named")}), 0) << err_.str();
    ::alarm(0);
    EXPECT_EQ(out_.str(), digests);
    EXPECT_EQ(err_.str(), "qxhash: " + Path("tree/sub/pipe") + ": not a regular file: skipped\n" + "qxhash: " +
                              Path("tree/to-pipe") + ": not a regular file: skipped\n" + "qxhash: " + Path("tree/zero") +
                              ": not a regular file: skipped\n" + "qxhash: " + Path("named/pipe") + ": not a regular file: skipped\n");
}

TEST_F(Qxhash, PassesReachHavalAndTiger) {
    ASSERT_EQ(Run({"-a", "haval256", "--passes", "5", Path("alphabet.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 64), "1a1dc8099bdaa7f35b4da4e805f1a28fee909d8dee920198185cbcaed8a10a8d");
    ASSERT_EQ(Run({"-a", "tiger192", "--passes", "3", Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 48), "2aab1484e8c158f2bfb8c5ff41b57a525129131c957b5f93");
    ASSERT_EQ(Run({"-a", "tiger192", "--passes", "4", Path("abc.txt")}), 0);
    EXPECT_NE(out_.str().substr(0, 48), "2aab1484e8c158f2bfb8c5ff41b57a525129131c957b5f93");
    for (const char* bad : {"0", "x", "-1", ""}) EXPECT_EQ(Run({"--passes", bad, Path("abc.txt")}), 1) << bad;
    // HAVAL has 3, 4 and 5 passes only; Tiger any number from 1, as the library computes it.
    for (const char* count : {"2", "6"}) EXPECT_EQ(Run({"-a", "haval256", "--passes", count, Path("abc.txt")}), 1) << count;
    EXPECT_EQ(Run({"-a", "haval256,6", Path("abc.txt")}), 1);
    for (uint32_t passes : {1u, 2u, 6u}) {
        HashContext context{};
        HashInit(&context, HASH_TIGER192);
        context.passes = passes;
        HashUpdate(&context, "abc", 3);
        std::string library;
        HashFinal(&context, library);
        const std::string expected = ShownDigest(HASH_TIGER192, library) + "  " + Path("abc.txt") + "\n";
        ASSERT_EQ(Run({"-a", "tiger192", "--passes", std::to_string(passes), Path("abc.txt")}), 0) << passes;
        EXPECT_EQ(out_.str(), expected) << passes;
        ASSERT_EQ(Run({"-a", "tiger192," + std::to_string(passes), Path("abc.txt")}), 0) << passes;
        EXPECT_EQ(out_.str(), expected) << passes;
    }
}

TEST_F(Qxhash, ReadsStandardInput) {
    EXPECT_EQ(RunWithInput({"-a", "md5"}, "abc"), 0);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  -\n");
    EXPECT_EQ(RunWithInput({"-a", "adler32", "-"}, "resume"), 0);
    EXPECT_EQ(out_.str(), "09150292  -\n");
}

TEST_F(Qxhash, UnreadableFilesAreReportedAndTheRestDone) {
    fs::create_directories(scratch_.Folder() / "folder");
    EXPECT_EQ(Run({"-a", "md5", Path("missing"), Path("folder"), Path("abc.txt")}), 1);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  " + Path("abc.txt") + "\n");
    EXPECT_NE(err_.str().find("qxhash: " + Path("missing") + ": No such file or directory\n"), std::string::npos);
    EXPECT_NE(err_.str().find("qxhash: " + Path("folder") + ": Is a directory\n"), std::string::npos);
}

TEST_F(Qxhash, ChecksGoodBadAndMalformedLines) {
    Write("sums", "900150983cd24fb0d6963f7d28e17f72  " + Path("abc.txt") + "\n" +
                      "00000000000000000000000000000000  " + Path("empty.txt") + "\n" +
                      "this is not a checksum line\n" +
                      "SHA1 (" + Path("abc.txt") + ") = a9993e364706816aba3e25717850c26c9cd0d89d\n" +
                      "d41d8cd98f00b204e9800998ecf8427e  " + Path("missing") + "\n");
    EXPECT_EQ(Run({"-c", Path("sums")}), 1);
    EXPECT_EQ(out_.str(), Path("abc.txt") + ": OK\n" + Path("empty.txt") + ": FAILED\n" + Path("abc.txt") +
                              ": OK\n" + Path("missing") + ": FAILED open or read\n");
    EXPECT_NE(err_.str().find("1 line is improperly formatted"), std::string::npos);
    EXPECT_NE(err_.str().find("1 listed file could not be read"), std::string::npos);
    EXPECT_NE(err_.str().find("1 computed checksum did NOT match"), std::string::npos);
}

// A list qxhash made checks OK against the files it was made from, with no options,
// tagged or not, for every type and pass count; one byte changed gives FAILED.
TEST_F(Qxhash, EveryListOfItsOwnChecks) {
    Write("odd\nname", "abc");
    Write("data", std::string(1000, 'x'));
    std::vector<std::vector<std::string>> made;
    for (const Algorithm& algorithm : AllAlgorithms()) {
        const std::vector<uint32_t> passes = algorithm.usesPasses ? std::vector<uint32_t>{3, 4, 5} : std::vector<uint32_t>{0};
        for (uint32_t count : passes)
            for (bool tag : {false, true}) {
                std::vector<std::string> args = {"-a", std::string(algorithm.name)};
                if (count) args.insert(args.end(), {"--passes", std::to_string(count)});
                if (tag) args.push_back("--tag");
                made.push_back(args);
            }
    }
    for (const auto& args : made) {
        std::vector<std::string> make = args;
        make.insert(make.end(), {Path("abc.txt"), Path("odd\nname"), Path("data")});
        ASSERT_EQ(Run(make), 0);
        Write("list", out_.str());
        std::string what;
        for (const std::string& arg : args) what += arg + " ";
        EXPECT_EQ(Run({"--check", "--quiet", Path("list")}), 0) << what << err_.str();
        EXPECT_EQ(out_.str(), "") << what;
        Write("data", std::string(999, 'x') + "y");
        EXPECT_EQ(Run({"--check", "--quiet", Path("list")}), 1) << what;
        EXPECT_EQ(out_.str(), Path("data") + ": FAILED\n") << what;
        Write("data", std::string(1000, 'x'));
    }
}

// Where only the length tells the type, every type of that length is tried; a digest
// none of them gives is FAILED, with what was tried on standard error.
TEST_F(Qxhash, GuessedTypesAreTriedAndNamed) {
    ASSERT_EQ(Run({"-a", "ripemd128", Path("abc.txt")}), 0);
    Write("list", out_.str() + "00000000000000000000000000000000  " + Path("empty.txt") + "\n");
    EXPECT_EQ(Run({"-c", Path("list")}), 1);
    EXPECT_EQ(out_.str(), Path("abc.txt") + ": OK\n" + Path("empty.txt") + ": FAILED\n");
    EXPECT_NE(err_.str().find("(tried md5, md2, md4, haval128, tiger128, ripemd128)"), std::string::npos) << err_.str();
    // With -a only that type is tried.
    EXPECT_EQ(Run({"-c", "-a", "md5", Path("list")}), 1);
    EXPECT_EQ(out_.str(), Path("abc.txt") + ": FAILED\n" + Path("empty.txt") + ": FAILED\n");
    // And a HAVAL list made with 5 passes checks with or without them.
    ASSERT_EQ(Run({"-a", "haval224", "--passes", "5", "--tag", Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 11), "HAVAL224,5 ");
    Write("list", out_.str());
    EXPECT_EQ(Run({"-c", Path("list")}), 0);
    EXPECT_EQ(Run({"-c", "--passes", "3", Path("list")}), 0);  // the tag's count wins
}

// Lists written by earlier versions hold CRC-32 and Tiger in the library's byte order.
TEST_F(Qxhash, ListsInTheLibrarysByteOrderCheck) {
    Write("list", "c2412435  " + Path("abc.txt") + "\nTIGER192 (" + Path("abc.txt") +
                      ") = f258c1e88414ab2a527ab541ffc5b8bf935f7b951c132951\n");
    EXPECT_EQ(Run({"-c", Path("list")}), 0) << err_.str();
    EXPECT_EQ(out_.str(), Path("abc.txt") + ": OK\n" + Path("abc.txt") + ": OK\n");
}

TEST_F(Qxhash, CheckingOptions) {
    Write("list", "900150983cd24fb0d6963f7d28e17f72  " + Path("abc.txt") + "\n" +
                      "not a line\n" +
                      "d41d8cd98f00b204e9800998ecf8427e  " + Path("missing") + "\n" +
                      "  SHA256 (" + Path("abc.txt") + ") = ba7816bf\n");  // cut short: named by its tag, as cksum names it
    EXPECT_EQ(Run({"-c", "--status", Path("list")}), 1);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str().find("WARNING"), std::string::npos);
    EXPECT_EQ(Run({"-c", "--ignore-missing", Path("list")}), 0);
    EXPECT_EQ(out_.str(), Path("abc.txt") + ": OK\n");
    EXPECT_EQ(Run({"-c", "--ignore-missing", "--strict", Path("list")}), 1);  // the bad line
    EXPECT_EQ(Run({"-c", "--ignore-missing", "-w", Path("list")}), 0);
    EXPECT_NE(err_.str().find(Path("list") + ": 2: improperly formatted checksum line"), std::string::npos) << err_.str();
    EXPECT_NE(err_.str().find(Path("list") + ": 4: improperly formatted SHA256 checksum line"), std::string::npos) << err_.str();
    EXPECT_EQ(Run({"-c", "--status", "-w", "--ignore-missing", Path("list")}), 0);  // the last of them counts
    EXPECT_NE(err_.str().find("improperly formatted checksum line"), std::string::npos);
    Write("missing-only", "d41d8cd98f00b204e9800998ecf8427e  " + Path("missing") + "\n");
    EXPECT_EQ(Run({"-c", "--ignore-missing", Path("missing-only")}), 1);
    EXPECT_NE(err_.str().find("no file was verified"), std::string::npos);
}

TEST_F(Qxhash, ManyFilesAtOnceKeepTheirOrder) {
    std::vector<std::string> args = {"-j", "4", "-a", "md5"};
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = std::string("f").append(std::to_string(i));
        Write(name, i % 2 ? "abc" : "");
        args.push_back(Path(name));
        const std::string digest = i % 2 ? "900150983cd24fb0d6963f7d28e17f72" : "d41d8cd98f00b204e9800998ecf8427e";
        expected += digest + "  " + Path(name) + "\n";
    }
    args.insert(args.begin() + 4 + 150, Path("missing"));
    EXPECT_EQ(Run(args), 1);
    EXPECT_EQ(out_.str(), expected);
    EXPECT_NE(err_.str().find(Path("missing")), std::string::npos);
    Write("list", expected);
    EXPECT_EQ(Run({"-j", "3", "-c", Path("list")}), 0);
    std::string oks;
    for (int i = 0; i < 300; ++i) oks += Path(std::string("f").append(std::to_string(i))) + ": OK\n";
    EXPECT_EQ(out_.str(), oks);
}

TEST_F(Qxhash, CheckWithoutChecksumLinesFails) {
    Write("sums", "nothing here\n");
    EXPECT_EQ(Run({"-c", Path("sums")}), 1);
    EXPECT_NE(err_.str().find("no properly formatted checksum lines found"), std::string::npos);
    EXPECT_EQ(Run({"-c", Path("missing-list")}), 1);
}

TEST_F(Qxhash, ListAndSelfTest) {
    ASSERT_EQ(Run({"--list"}), 0);
    std::istringstream lines(out_.str());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) ++count;
    EXPECT_EQ(count, 21);
    EXPECT_NE(out_.str().find("263  gost  256\n"), std::string::npos);
    ASSERT_EQ(Run({"--self-test"}), 0);
    EXPECT_EQ(out_.str(), "No error\n");
    ASSERT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out_.str().find("Usage: qxhash"), std::string::npos);
}

// The manual page describes every option the help names.
TEST(QxhashManual, DescribesEveryOption) {
    std::ifstream page(QXHASH_MANUAL);
    ASSERT_TRUE(page) << QXHASH_MANUAL;
    const std::string manual((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
    const std::string usage = UsageText(Options{});
    size_t found = 0;
    for (size_t at = usage.find(" -"); at != std::string::npos; at = usage.find(" -", at + 1)) {
        size_t end = at + 2;
        while (end < usage.size() && (std::isalnum(uint8_t(usage[end])) || usage[end] == '-')) ++end;
        std::string option = usage.substr(at + 1, end - at - 1);
        if (option.size() < 2) continue;
        std::string troff;  // "--self-test" is written "\-\-self\-test"
        for (char c : option) troff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(manual.find(troff), std::string::npos) << option;
        ++found;
    }
    EXPECT_GE(found, 25u);
}
