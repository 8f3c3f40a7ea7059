// The leaders table as the windows see it: problems told once, results that could
// not be saved kept for the run and saved with the next insertion that can be.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinting.h"
#include "model/LeadsBook.h"

namespace {

class LeadsBookTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("leads.dat"));
    LeadsBook book{path};
};

}  // namespace

TEST_F(LeadsBookTest, AnUnreadableFileIsToldOnceAndResultsAreKept) {
    ASSERT_TRUE(QDir().mkdir(path));
    const QString problem = book.Load();
    EXPECT_TRUE(problem.contains(path) && problem.endsWith(QStringLiteral("Is a directory"))) << problem.toStdString();
    EXPECT_EQ(book.Load(), QString());  // told already
    const QString notSaved = book.Insert(QStringLiteral("Ann"), 900);
    EXPECT_TRUE(notSaved.startsWith(QStringLiteral("Your result could not be saved"))) << notSaved.toStdString();
    EXPECT_EQ(book.Load(), QString());
    EXPECT_EQ(GetLeadEntry(book.Table(), 1).name, QStringLiteral("Ann"));
    EXPECT_EQ(GetLeadEntry(book.Table(), 2).name, QStringLiteral("none"));

    // Once the file can be written again, the kept result goes in with the next one.
    ASSERT_TRUE(QDir().rmdir(path));
    EXPECT_EQ(book.Insert(QStringLiteral("Bo"), 500), QString());
    LeadsTable onDisk;
    LoadLeads(onDisk, path);
    EXPECT_EQ(GetLeadEntry(onDisk, 1).name, QStringLiteral("Ann"));
    EXPECT_EQ(GetLeadEntry(onDisk, 2).name, QStringLiteral("Bo"));
    EXPECT_EQ(SerializeLeads(book.Table()), SerializeLeads(onDisk));
}

TEST_F(LeadsBookTest, AProblemThatReturnsIsToldAgain) {
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_NE(book.Load(), QString());
    ASSERT_TRUE(QDir().rmdir(path));
    EXPECT_EQ(book.Load(), QString());
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_NE(book.Load(), QString());
}

TEST_F(LeadsBookTest, ClearForgetsKeptResults) {
    ASSERT_TRUE(QDir().mkdir(path));
    book.Insert(QStringLiteral("Ann"), 900);
    EXPECT_NE(book.Clear(), QString());  // the folder is still there
    EXPECT_EQ(GetLeadEntry(book.Table(), 1).name, QStringLiteral("Ann"));
    ASSERT_TRUE(QDir().rmdir(path));
    EXPECT_EQ(book.Clear(), QString());
    EXPECT_EQ(GetLeadEntry(book.Table(), 1).name, QStringLiteral("none"));
}
