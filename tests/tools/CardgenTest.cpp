// cardgen make as a player runs it: a set made whole or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <filesystem>

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

}  // namespace

TEST(Cardgen, ASetIsMadeWholeOrNotAtAll) {
    ScratchFolder scratch("cardgen");
    const std::vector<std::string> pictures = Pictures(scratch);
    const std::string sets = scratch.Path("sets");
    ASSERT_EQ(Make(sets + "/holiday", pictures).status, 0);
    EXPECT_EQ(Entries(sets + "/holiday").size(), 19);
    // Made again over itself: still whole, nothing left beside it.
    ASSERT_EQ(Make(sets + "/holiday", pictures).status, 0);
    EXPECT_EQ(Entries(sets + "/holiday").size(), 19);
    EXPECT_EQ(Entries(sets), QStringList{"holiday"});

    // On a disk that fills up halfway through: an error, and no set, not even hidden.
    const std::string small = scratch.Path("small");
    fs::create_directory(small);
    const std::string failure = RunOnSmallDisk(small, [&](bool mounted) -> std::string {
        if (!mounted && !FillDisk(small, false)) return "the disk could not be filled";
        const ProgramResult made = Make(small + "/holiday", pictures);
        if (made.status != 1) return "cardgen exited with " + std::to_string(made.status);
        if (made.err.find("cannot write") == std::string::npos) return "no message: " + made.err;
        const QStringList left = Entries(small);
        return left.isEmpty() ? "" : "left behind: " + left.join(QStringLiteral(", ")).toStdString();
    });
    EXPECT_EQ(failure, "");
}
