// qxhash end to end: files in a temporary folder, output and exit status.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Qxhash.h"

namespace fs = std::filesystem;

namespace {

class Qxhash : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("qxhash-test-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        Write("abc.txt", "abc");
        Write("empty.txt", "");
        Write("alphabet.txt", "abcdefghijklmnopqrstuvwxyz");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& content) const {
        std::ofstream(Path(name), std::ios::binary) << content;
    }

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

    fs::path dir_;
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
    EXPECT_EQ(out_.str(), "SHA1 (" + file + ") = a9993e364706816aba3e25717850c26c9cd0d89d\n" +
                              "CRC32 (" + file + ") = c2412435\n" +
                              "TIGER192 (" + file + ") = f258c1e88414ab2a527ab541ffc5b8bf935f7b951c132951\n");
}

TEST_F(Qxhash, NamesCodesAndDefault) {
    ASSERT_EQ(Run({"-a", "259", Path("abc.txt")}), 0);
    const std::string byCode = out_.str();
    ASSERT_EQ(Run({"-a", "MD5", Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str(), byCode);
    ASSERT_EQ(Run({Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 64), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Run({"-a", "sha3", Path("abc.txt")}), 2);
    EXPECT_NE(err_.str().find("unknown digest type 'sha3'"), std::string::npos);
    EXPECT_EQ(Run({"-a", "278", Path("abc.txt")}), 2);
    EXPECT_EQ(Run({"--bogus"}), 2);
    EXPECT_EQ(Run({"-a"}), 2);
}

TEST_F(Qxhash, PassesReachHavalAndTiger) {
    ASSERT_EQ(Run({"-a", "haval256", "--passes", "5", Path("alphabet.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 64), "1a1dc8099bdaa7f35b4da4e805f1a28fee909d8dee920198185cbcaed8a10a8d");
    ASSERT_EQ(Run({"-a", "tiger192", "--passes", "3", Path("abc.txt")}), 0);
    EXPECT_EQ(out_.str().substr(0, 48), "f258c1e88414ab2a527ab541ffc5b8bf935f7b951c132951");
    ASSERT_EQ(Run({"-a", "tiger192", "--passes", "4", Path("abc.txt")}), 0);
    EXPECT_NE(out_.str().substr(0, 48), "f258c1e88414ab2a527ab541ffc5b8bf935f7b951c132951");
    for (const char* bad : {"0", "x", "-1", "1001", ""}) EXPECT_EQ(Run({"--passes", bad, Path("abc.txt")}), 2) << bad;
}

TEST_F(Qxhash, ReadsStandardInput) {
    EXPECT_EQ(RunWithInput({"-a", "md5"}, "abc"), 0);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  -\n");
    EXPECT_EQ(RunWithInput({"-a", "adler32", "-"}, "resume"), 0);
    EXPECT_EQ(out_.str(), "09150292  -\n");
}

TEST_F(Qxhash, UnreadableFilesAreReportedAndTheRestDone) {
    fs::create_directories(dir_ / "folder");
    EXPECT_EQ(Run({"-a", "md5", Path("missing"), Path("folder"), Path("abc.txt")}), 1);
    EXPECT_EQ(out_.str(), "900150983cd24fb0d6963f7d28e17f72  " + Path("abc.txt") + "\n");
    EXPECT_NE(err_.str().find(Path("missing") + ": Could not open file (No such file or directory)"),
              std::string::npos);
    EXPECT_NE(err_.str().find(Path("folder") + ": Could not read file (Is a directory)"), std::string::npos);
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

TEST_F(Qxhash, ChecksItsOwnOutput) {
    Write("odd\nname", "abc");
    for (const char* type : {"sha512", "ripemd160", "gost", "crc32-msb"}) {
        for (bool tag : {false, true}) {
            std::vector<std::string> args = {"-a", type, Path("abc.txt"), Path("odd\nname")};
            if (tag) args.insert(args.begin(), "--tag");
            ASSERT_EQ(Run(args), 0);
            Write("list", out_.str());
            // Untagged lines of types without a usual length need -a when checking.
            EXPECT_EQ(Run({"-a", type, "--check", "--quiet", Path("list")}), 0) << type << err_.str();
            EXPECT_EQ(out_.str(), "");
        }
    }
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
