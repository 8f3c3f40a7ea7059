// cardgen make as a player runs it: a set made whole or not at all, from pictures in
// the formats it promises, named from their files, and never with two faces alike.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <filesystem>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <utime.h>

#include "ChildProcess.h"
#include "Program.h"
#include "ScratchFolder.h"

#ifndef CARDGEN_PROGRAM
#error "CARDGEN_PROGRAM names the card set tool"
#endif

namespace fs = std::filesystem;

namespace {

// The back and 18 faces, each a colour of its own.
std::vector<std::string> Pictures(const ScratchFolder& scratch) {
    std::vector<std::string> paths;
    for (int i = 0; i < 19; ++i) {
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 19, 200, 200));
        paths.push_back(scratch.Path("picture" + std::to_string(i) + ".png"));
        picture.save(QString::fromStdString(paths.back()), "PNG");
    }
    return paths;
}

ProgramResult Make(const std::string& set, const std::vector<std::string>& pictures) {
    ProgramRun run;
    run.args = {CARDGEN_PROGRAM, "make", set};
    run.args.insert(run.args.end(), pictures.begin(), pictures.end());
    return RunProgram(run);
}

// What the folder holds, hidden entries too.
QStringList Entries(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A picture unlike the colour ones: stripes at an angle of its own.
QImage Stripes(int angle, QSize size = {200, 160}) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, ((x * angle + y * (10 - angle)) / 40) % 2 ? 0xff202020 : 0xfff0e0c0);
    return picture;
}

// cardgen's own lines of its standard error, without what Qt may say there (as of a
// missing XDG_RUNTIME_DIR).
std::string OwnLines(const std::string& err) {
    std::string own;
    for (size_t start = 0; start < err.size();) {
        const size_t end = std::min(err.find('\n', start), err.size() - 1) + 1;
        if (err.compare(start, 8, "cardgen:") == 0) own += err.substr(start, end - start);
        start = end;
    }
    return own;
}

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
}

}  // namespace

TEST(Cardgen, TellsWhatIsWrongWithThePictures) {
    ScratchFolder scratch("cardgen");
    const std::vector<std::string> pictures = Pictures(scratch);
    const std::string photo = scratch.Path("photo.png"), again = scratch.Path("photo-again.jpg"),
                      bigger = scratch.Path("photo-bigger.bmp"), text = scratch.Path("notes.png");
    ASSERT_TRUE(Stripes(3).save(QString::fromStdString(photo)));
    ASSERT_TRUE(Stripes(3).save(QString::fromStdString(again), "JPEG", 90));
    ASSERT_TRUE(Stripes(3).scaled(400, 320).save(QString::fromStdString(bigger)));
    QFile notes(QString::fromStdString(text));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
    notes.close();
    const std::string pipe = scratch.Path("pipe.png"), huge = scratch.Path("huge.png");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // A PNG's header of 20000 × 20000 colour pixels, and an empty data chunk.
    scratch.Write("huge.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x4e\x20\0\0\x4e\x20\x08\x02\0\0\0\x6c\x12\xd1\x6e"
                                          "\0\0\0\0IDAT\x35\xaf\x06\x1e", 45));
    const auto with = [&](int index, const std::string& path) {
        std::vector<std::string> changed = pictures;
        changed[size_t(index)] = path;
        return changed;
    };
    struct Case {
        const char* what;
        std::vector<std::string> pictures;
        int status;
        std::string said;
    };
    const Case cases[] = {
        {"18 pictures", {pictures.begin(), pictures.end() - 1}, 2,
         "cardgen: 18 pictures given; a set takes 19: the back, then 18 faces\n"},
        {"20 pictures", [&] { auto more = pictures; more.push_back(photo); return more; }(), 2,
         "cardgen: 20 pictures given; a set takes 19: the back, then 18 faces\n"},
        {"none", {}, 2, "cardgen: no pictures given; a set takes 19: the back, then 18 faces\n"},
        {"one file twice", with(9, pictures[4]), 1,
         "cardgen: " + pictures[4] + " and " + pictures[4] +
             " are the same picture: two faces alike make a set that cannot be won without losing points\n"},
        {"one photo as PNG and JPEG", [&] { auto two = with(3, photo); two[17] = again; return two; }(), 1,
         "cardgen: " + photo + " and " + again +
             " are the same picture: two faces alike make a set that cannot be won without losing points\n"},
        {"one photo at two sizes", [&] { auto two = with(2, bigger); two[18] = photo; return two; }(), 1,
         "cardgen: " + bigger + " and " + photo +
             " are the same picture: two faces alike make a set that cannot be won without losing points\n"},
        {"a face like the back", with(7, pictures[0]), 1,
         "cardgen: " + pictures[0] + " and " + pictures[0] + " are the same picture: a face like the back could not be told from it\n"},
        {"text under a picture's name", with(11, text), 1, "cardgen: " + text + ": Unsupported image format\n"},
        {"a pipe under a picture's name", with(5, pipe), 1, "cardgen: " + pipe + ": not a regular file\n"},
        {"a picture past Qt's limit", with(6, huge), 1, "cardgen: " + huge + ": the picture is too large (20000 × 20000 pixels)\n"},
    };
    for (const Case& c : cases) {
        const ProgramResult made = Make(scratch.Path("sets/mine"), c.pictures);
        EXPECT_EQ(made.status, c.status) << c.what;
        EXPECT_EQ(OwnLines(made.err), c.said) << c.what;
        EXPECT_TRUE(Entries(scratch.Path("sets")).isEmpty()) << c.what;
    }
}

TEST(Cardgen, ReadsThePromisedFormatsAndNamesFacesFromTheirFiles) {
    ScratchFolder scratch("cardgen");
    std::vector<std::string> pictures = Pictures(scratch);
    // Faces in the formats the package's plugins bring, under names a player would give.
    const std::pair<const char*, const char*> formatted[] = {
        {"red_fox.webp", "webp"}, {"old  barn.tiff", "tiff"}, {"sun.ppm", "ppm"}, {"line\nbreak.xpm", "xpm"}};
    for (size_t i = 0; i < std::size(formatted); ++i) {
        ASSERT_TRUE(QImageWriter::supportedImageFormats().contains(formatted[i].second)) << formatted[i].second;
        pictures[i + 1] = scratch.Path(formatted[i].first);
        ASSERT_TRUE(Stripes(int(i) + 1).save(QString::fromStdString(pictures[i + 1]), formatted[i].second)) << formatted[i].first;
    }
    const ProgramResult made = Make(scratch.Path("mine"), pictures);
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(ReadAll(scratch.Path("mine/names.txt")),
              "red fox\nold barn\nsun\nline break\npicture5\npicture6\npicture7\npicture8\npicture9\npicture10\n"
              "picture11\npicture12\npicture13\npicture14\npicture15\npicture16\npicture17\npicture18\n");
    for (const char* face : {"space.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp", "18.bmp"})
        EXPECT_EQ(QImage(QString::fromStdString(scratch.Path("mine/") + face)).size(), QSize(120, 120)) << face;
}

TEST(Cardgen, ASetIsMadeWholeOrNotAtAll) {
    ScratchFolder scratch("cardgen");
    const std::vector<std::string> pictures = Pictures(scratch);
    const std::string sets = scratch.Path("sets");
    ASSERT_EQ(Make(sets + "/holiday", pictures).status, 0);
    EXPECT_EQ(Entries(sets + "/holiday").size(), 20);  // with names.txt
    // Made again over itself: still whole, nothing left beside it.
    ASSERT_EQ(Make(sets + "/holiday", pictures).status, 0);
    EXPECT_EQ(Entries(sets + "/holiday").size(), 20);
    EXPECT_EQ(Entries(sets), QStringList{"holiday"});
    // A name the folder could have, but the hidden folder it is made in could not.
    const ProgramResult long_ = Make(sets + "/" + std::string(241, 'n'), pictures);
    EXPECT_EQ(OwnLines(long_.err), "cardgen: cannot make the set " + sets + "/" + std::string(241, 'n') +
                                       ": the name is too long: 241 bytes, and a set's name may have 240 at most\n");
    EXPECT_EQ(Entries(sets), QStringList{"holiday"});

    // On a disk that fills up halfway through: an error, and no set, not even hidden.
    const std::string small = scratch.Path("small");
    fs::create_directory(small);
    const std::string failure = RunOnSmallDisk(small, [&](bool mounted) -> std::string {
        if (!mounted && !FillDisk(small, false)) return "the disk could not be filled";
        const ProgramResult made = Make(small + "/holiday", pictures);
        if (made.status != 1) return "cardgen exited with " + std::to_string(made.status);
        // The reason of the write that failed, as the system gives it.
        if (made.err.find(mounted ? "No space left on device" : "File too large") == std::string::npos) return "no reason: " + made.err;
        const QStringList left = Entries(small);
        return left.isEmpty() ? "" : "left behind: " + left.join(QStringLiteral(", ")).toStdString();
    });
    EXPECT_EQ(failure, "");
}

// A make killed at any moment leaves the set listed; what it hid or left half made is
// put back or cleared by the next make. A link planted under the name of a set's old
// folder is neither followed nor emptied.
TEST(Cardgen, AKilledMakeLosesNoSetAndFollowsNoLink) {
    ScratchFolder scratch("cardgen");
    const std::vector<std::string> pictures = Pictures(scratch);
    const std::string sets = scratch.Path("sets"), set = sets + "/mine", documents = scratch.Path("documents");
    ASSERT_EQ(Make(set, pictures).status, 0);
    std::vector<char*> args{const_cast<char*>(CARDGEN_PROGRAM), const_cast<char*>("make"), const_cast<char*>(set.c_str())};
    for (const std::string& picture : pictures) args.push_back(const_cast<char*>(picture.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    for (int kill = 0; kill < 16; ++kill) {
        pid_t child = 0;
        ASSERT_EQ(::posix_spawn(&child, CARDGEN_PROGRAM, &quiet, nullptr, args.data(), environ), 0);
        ::usleep(useconds_t(20000 + kill * 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        EXPECT_EQ(Entries(set).size(), 20) << "killed after " << 20 + kill * 20 << " ms";
    }
    posix_spawn_file_actions_destroy(&quiet);
    const utimbuf aMinuteAgo{::time(nullptr) - 61, ::time(nullptr) - 61};
    for (const QString& entry : Entries(sets)) ::utime((sets + "/" + entry.toStdString()).c_str(), &aMinuteAgo);
    fs::create_directory(documents);
    scratch.Write("documents/letter.txt", "Dear");
    fs::create_directory_symlink("../documents", sets + "/.mine.old");
    ASSERT_EQ(Make(set, pictures).status, 0);
    EXPECT_EQ(Entries(sets), (QStringList{".mine.old", "mine"}));
    EXPECT_EQ(ReadAll(documents + "/letter.txt"), "Dear");
}
