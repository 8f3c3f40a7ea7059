// qxhash over many files of the types the library digests side by side: every file's
// line is the digest of its content, in argument order, whatever the lanes, the worker
// count, the sizes (whole, streamed, past a group's room) and the kinds of file.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "Qxhash.h"
#include "digest/CryptoAPI.h"
#include "digest/Cpu.h"
#include "ScratchFolder.h"

using namespace quorvix::digest;

namespace fs = std::filesystem;

namespace {

class QxhashGroups : public ::testing::Test {
protected:
    void TearDown() override { HashRestrictFeatures(nullptr); }

    std::string Add(const std::string& name, size_t size, std::mt19937& random) {
        std::string content(size, '\0');
        for (char& c : content) c = char(random());
        const std::string path = scratch_.Write(name, content);
        files_.push_back(path);
        return path;
    }

    // The line qxhash should print for a file, from the content read here.
    static std::string ExpectedLine(uint32_t type, const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        const std::string content{std::istreambuf_iterator<char>(in), {}};
        std::string digest;
        HashString(type, content, digest);
        return digest + "  " + path + "\n";
    }

    ScratchFolder scratch_{"qxhash-groups"};
    const fs::path& dir_ = scratch_.Folder();
    std::vector<std::string> files_;
};

struct Level {
    const char* name;
    CpuFeatures features;
};

// Lanes of AVX-512, of AVX2, and one message at a time, as far as the processor goes.
std::vector<Level> Levels() {
    std::vector<Level> levels = {{"one by one", CpuFeatures{}}};
    if (MachineLevel() >= CpuLevel::Avx2) levels.push_back({"AVX2 lanes", FeaturesUpTo(CpuLevel::Avx2)});
    if (MachineLevel() >= CpuLevel::Avx512) levels.push_back({"AVX-512 lanes", FeaturesUpTo(CpuLevel::Avx512)});
    return levels;
}

// Root reads any folder: for the life of the object this thread does not, by leaving
// out of its effective capabilities the two that override permissions (the permitted
// ones stay, so they are raised again after).
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~WithoutPermissionOverride() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
    }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

}  // namespace

TEST_F(QxhashGroups, EveryFileGetsItsOwnDigestInOrder) {
    std::mt19937 random(81);
    for (int i = 0; i < 150; ++i) Add(std::string("small").append(std::to_string(i)), random() % 3 == 0 ? random() % 130 : random() % 6000, random);
    Add("empty", 0, random);
    Add("64k", 65536, random);
    Add("limit", size_t(1) << 20, random);          // the largest read whole
    Add("past-limit", (size_t(1) << 20) + 1, random);  // read through the buffer
    for (int i = 0; i < 60; ++i) Add(std::string("mid").append(std::to_string(i)), 100000 + random() % 1000, random);  // past a group's room
    files_.insert(files_.begin() + 40, "/dev/null");   // not a regular file
    // Regular, but with a size of 0 until read: must be read to its end, not to its size.
    files_.insert(files_.begin() + 90, "/proc/version");

    const std::string folder = dir_.string(), missing = (dir_ / "missing").string();
    std::vector<std::string> args = files_;
    args.insert(args.begin() + 7, folder);
    args.insert(args.begin() + 70, missing);

    for (uint32_t type : {HASH_MD5, HASH_SHA1, HASH_SHA256, HASH_SHA384, HASH_SHA512}) {
        std::string expected;
        for (const std::string& file : files_) expected += ExpectedLine(type, file);
        for (const Level& level : Levels()) {
            HashRestrictFeatures(&level.features);
            for (const char* jobs : {"1", "2"}) {
                std::vector<std::string> run = {"-j", jobs, "-a", std::to_string(type)};
                run.insert(run.end(), args.begin(), args.end());
                std::ostringstream out, err;
                EXPECT_EQ(RunQxhash(run, {out, err, false}), 1);
                EXPECT_EQ(out.str(), expected) << HashTypeName(type) << ", " << level.name << ", -j" << jobs;
                // Each failure reported once, for its own file, in order.
                const std::string errors = err.str();
                const size_t atFolder = errors.find(folder + ": "), atMissing = errors.find(missing + ": ");
                EXPECT_NE(atFolder, std::string::npos) << errors;
                EXPECT_NE(atMissing, std::string::npos) << errors;
                EXPECT_LT(atFolder, atMissing);
                EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2) << errors;
            }
        }
    }
}

// A folder that cannot be listed is an error of its own between the groups around it.
TEST_F(QxhashGroups, AnUnlistableFolderKeepsItsPlace) {
    std::mt19937 random(82);
    for (int i = 0; i < 5; ++i) Add(std::string("a").append(std::to_string(i)), 100, random);
    const fs::path closed = dir_ / "closed";
    fs::create_directory(closed);
    fs::permissions(closed, fs::perms::none);
    std::ostringstream out, err;
    int status;
    {
        WithoutPermissionOverride asUser;  // the folders are listed on this thread
        status = RunQxhash({"-j", "1", "-r", "-a", "md5", files_[0], files_[1], closed.string(), files_[2]}, {out, err, false});
    }
    fs::permissions(closed, fs::perms::owner_all);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out.str(), ExpectedLine(HASH_MD5, files_[0]) + ExpectedLine(HASH_MD5, files_[1]) +
                             ExpectedLine(HASH_MD5, files_[2]));
    EXPECT_NE(err.str().find(closed.string()), std::string::npos);
}

// A list of many lines checked in groups: lines of several types mixed (tagged), each
// file checked against its own line, lists made with a rarer type of the same length
// found in the second reading, failures and missing files in their places.
TEST_F(QxhashGroups, ListsAreCheckedInGroupsLineByLine) {
    std::mt19937 random(83);
    struct Line {
        uint32_t type;
        const char* tag;
    };
    const Line kinds[] = {{HASH_MD5, "MD5"}, {HASH_SHA1, "SHA1"}, {HASH_SHA256, "SHA256"}, {HASH_SHA512, "SHA512"}};
    std::string list, expected;
    for (int i = 0; i < 300; ++i) {
        const std::string path = Add(std::string("c").append(std::to_string(i)), random() % 4000, random);
        const Line& kind = kinds[i % 7 == 0 ? 3 : i % 5 == 0 ? 2 : i % 3 == 0 ? 1 : 0];
        std::ifstream in(path, std::ios::binary);
        const std::string content{std::istreambuf_iterator<char>(in), {}};
        std::string digest;
        HashString(i % 11 == 0 ? HASH_MD4 : kind.type, content, digest);  // MD4: same length as MD5, untagged
        if (i % 13 == 0) digest[0] = digest[0] == '0' ? '1' : '0';
        const bool tagged = i % 11 != 0 && i % 2 == 0;
        list += tagged ? std::string(kind.tag) + " (" + path + ") = " + digest + "\n" : digest + "  " + path + "\n";
        expected += path + (i % 13 == 0 ? ": FAILED\n" : ": OK\n");
        if (i == 150) {
            const std::string missing = (dir_ / "gone").string();
            list += "d41d8cd98f00b204e9800998ecf8427e  " + missing + "\n";
            expected += missing + ": FAILED open or read\n";
        }
    }
    const std::string listPath = (dir_ / "list").string();
    std::ofstream(listPath, std::ios::binary) << list;
    for (const Level& level : Levels()) {
        HashRestrictFeatures(&level.features);
        for (const char* jobs : {"1", "2"}) {
            std::ostringstream out, err;
            EXPECT_EQ(RunQxhash({"-j", jobs, "-c", listPath}, {out, err, false}), 1);
            EXPECT_EQ(out.str(), expected) << level.name << ", -j" << jobs;
            EXPECT_NE(err.str().find("24 computed checksums did NOT match"), std::string::npos) << err.str();
        }
    }
}
