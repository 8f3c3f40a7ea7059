// "leads.dat" with real files in a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>
#include <vector>

#include "QtPrinting.h"
#include "ChildProcess.h"
#include "model/LeadsFile.h"
#include "model/LeadsLock.h"

namespace {

class LeadsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("leads.dat"));
    LeadsTable table = DefaultLeadsTable();

    QByteArray FileBytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray DefaultBytes() const {
        const LeadsRecord record = SerializeLeads(DefaultLeadsTable());
        return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));
    }
    std::vector<std::pair<QString, int32_t>> Entries() const {
        std::vector<std::pair<QString, int32_t>> entries;
        for (int i = 1; i <= 10; ++i) {
            const LeadEntry entry = GetLeadEntry(table, i);
            entries.emplace_back(entry.name, entry.points);
        }
        return entries;
    }
};

}  // namespace

TEST_F(LeadsFileTest, MissingFileIsCreatedWithTheDefaultTable) {
    LoadLeads(table, path);
    EXPECT_EQ(FileBytes(), DefaultBytes());
    EXPECT_EQ(GetLeadEntry(table, 10).name, QStringLiteral("none"));
}

TEST_F(LeadsFileTest, ShortFileIsReplaced) {
    WriteFile(QByteArray(151, 'x'));
    LoadLeads(table, path);
    EXPECT_EQ(FileBytes(), DefaultBytes());
}

TEST_F(LeadsFileTest, LongerFileIsReadFromItsFirstRecordAndLeftAlone) {
    LeadsTable stored = DefaultLeadsTable();
    SetLeadEntry(stored, 1, QStringLiteral("Kim"), 900);
    const LeadsRecord record = SerializeLeads(stored);
    const QByteArray bytes = QByteArray(reinterpret_cast<const char*>(record.data()), 152) + QByteArray(48, '\x7f');
    WriteFile(bytes);
    LoadLeads(table, path);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("Kim"));
    EXPECT_EQ(GetLeadEntry(table, 1).points, 900);
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(LeadsFileTest, UnreadableFileIsReportedAndKept) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("leads.dat")));  // exists, cannot be read as a file
    SetLeadEntry(table, 1, QStringLiteral("earlier"), 5);
    try {
        LoadLeads(table, path);
        FAIL() << "no error";
    } catch (const LeadsError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("Cannot read the leaders table %1: Is a directory").arg(path));
    }
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("earlier"));  // memory kept as it was
    EXPECT_TRUE(QFileInfo(path).isDir());
    // The result is not lost for this run: it is ranked in memory, and the error says why it is not on disk.
    EXPECT_THROW(InsertLead(table, QStringLiteral("Ann"), 100, path), LeadsError);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("Ann"));
    EXPECT_EQ(GetLeadEntry(table, 2).name, QStringLiteral("earlier"));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_THROW(ClearLeads(table, path), LeadsError);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// Opening a FIFO for reading waits for a writer that never comes: it must be
// refused at once, and left alone.
TEST_F(LeadsFileTest, FifoInTheFilesPlaceIsAReadErrorNotAWait) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    const std::string failure = RunInChild([this]() -> std::string {
        try {
            LoadLeads(table, path);
            return "no error";
        } catch (const LeadsError& error) {
            if (!QString::fromUtf8(error.what()).endsWith(QStringLiteral(": not a regular file"))) return error.what();
        }
        try {
            InsertLead(table, QStringLiteral("Ann"), 100, path);
            return "no error from the insertion";
        } catch (const LeadsError&) {
        }
        return {};
    }, 5);
    EXPECT_EQ(failure, "");
    struct stat info{};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(LeadsFileTest, FullDiskKeepsTheOldTable) {
    const std::string folder = dir.filePath(QStringLiteral("small")).toStdString();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const std::string failure = RunOnSmallDisk(folder, [&folder](bool mounted) -> std::string {
        const QString leads = QString::fromStdString(folder) + QStringLiteral("/leads.dat");
        LeadsTable table;
        InsertLead(table, QStringLiteral("Kept"), 700, leads);
        QFile file(leads);
        if (!file.open(QIODevice::ReadOnly)) return "set-up failed";
        const QByteArray before = file.readAll();
        file.close();
        if (!FillDisk(folder, mounted)) return "the disk could not be filled";
        try {
            InsertLead(table, QStringLiteral("Lost?"), 900, leads);
            return "an insertion on a full disk reported success";
        } catch (const LeadsError& error) {
            if (!QString::fromUtf8(error.what()).startsWith(QStringLiteral("Cannot save the leaders table ")))
                return std::string("wrong message: ") + error.what();
        }
        if (GetLeadEntry(table, 1).name != QStringLiteral("Lost?")) return "the result was not kept in memory";
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != before) return "the old table on disk was changed";
        return {};
    });
    EXPECT_EQ(failure, "");
}

TEST_F(LeadsFileTest, StaleLockFilesDoNotHoldUpAnInsertion) {
    struct Row {
        const char* name;
        QByteArray contents;
    };
    // An empty lock (a game killed before it wrote its id), and a dead game's id.
    const Row rows[] = {{"empty", ""}, {"dead process", "999999\nquorvix\nhost\n"}};
    for (const Row& row : rows) {
        QFile lock(path + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(row.contents);
        lock.close();
        EXPECT_NO_THROW(InsertLead(table, QString::fromLatin1(row.name), 100 + int(row.contents.size()), path)) << row.name;
    }
    EXPECT_EQ(GetLeadEntry(table, 2).name, QStringLiteral("empty"));
}

TEST_F(LeadsFileTest, LockOfAKilledGameIsFreeAtOnce) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const LeadsLock lock(path);
        const char held = lock.IsHeld() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();  // killed while holding the lock
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    const LeadsLock busy(path, std::chrono::milliseconds(100));
    EXPECT_FALSE(busy.IsHeld());
    EXPECT_EQ(busy.Reason(), QStringLiteral("the leaders table is in use by another program"));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_NO_THROW(InsertLead(table, QStringLiteral("After"), 300, path));
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("After"));
    ::close(ready[0]);
    ::close(ready[1]);
}

// While another game holds the lock, the waiting one is called back (its window keeps
// painting); the holder lets go at the first call, so the wait is certain to happen.
TEST_F(LeadsFileTest, AWaitForTheLockCallsBack) {
    int ready[2], release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const LeadsLock lock(path);
        (void)!::write(ready[1], "y", 1);
        char go;
        (void)!::read(release[0], &go, 1);
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    int calls = 0;
    EXPECT_NO_THROW(UpdateLeads(table, [](LeadsTable& current) { return RankLead(current, QStringLiteral("Waited"), 700); },
                                path, [&] {
                                    if (calls++ == 0) (void)!::write(release[1], "y", 1);
                                }));
    ::waitpid(holder, nullptr, 0);
    EXPECT_GE(calls, 1);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("Waited"));
    for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);
}

// A game that starts while another writes its result must not replace that result
// with the default table: creating the table waits for the lock and looks again.
TEST_F(LeadsFileTest, CreatingTheDefaultTableWaitsForAWriteInProgress) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        const LeadsLock lock(path);
        (void)!::write(ready[1], "y", 1);
        ::usleep(300 * 1000);
        LeadsTable theirs = DefaultLeadsTable();
        SetLeadEntry(theirs, 1, QStringLiteral("Theirs"), 1500);
        const LeadsRecord record = SerializeLeads(theirs);
        QFile file(path);
        const bool ok = file.open(QIODevice::WriteOnly) &&
                        file.write(reinterpret_cast<const char*>(record.data()), 152) == 152 && file.flush();
        ::_exit(ok ? 0 : 1);
    }
    char go = 0;
    ASSERT_EQ(::read(ready[0], &go, 1), 1);
    EXPECT_NO_THROW(LoadLeads(table, path));  // the file is missing now
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("Theirs"));
    LeadsTable onDisk;
    LoadLeads(onDisk, path);
    EXPECT_EQ(GetLeadEntry(onDisk, 1).name, QStringLiteral("Theirs"));
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(LeadsFileTest, FileThatCannotBeCreatedRaisesThePlatformText) {
    const QString nowhere = dir.filePath(QStringLiteral("missing-folder/leads.dat"));
    try {
        LoadLeads(table, nowhere);
        FAIL() << "no error";
    } catch (const LeadsError& error) {
        EXPECT_NE(std::string(error.what()).find("missing-folder/leads.dat"), std::string::npos) << error.what();
    }
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("none"));
}

TEST_F(LeadsFileTest, InsertRanksBelowEqualPoints) {
    InsertLead(table, QStringLiteral("First"), 500, path);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("First"));
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(GetLeadEntry(table, i).name, QStringLiteral("none"));
    InsertLead(table, QStringLiteral("Second"), 500, path);
    InsertLead(table, QStringLiteral("Top"), 900, path);
    InsertLead(table, QStringLiteral("Low"), 10, path);
    const std::vector<std::pair<QString, int32_t>> expected = {
        {"Top", 900}, {"First", 500}, {"Second", 500}, {"Low", 10}, {"none", 0},
        {"none", 0},  {"none", 0},    {"none", 0},     {"none", 0}, {"none", 0}};
    EXPECT_EQ(Entries(), expected);
    // The file holds what memory holds.
    LeadsTable reloaded;
    LoadLeads(reloaded, path);
    EXPECT_EQ(SerializeLeads(reloaded), SerializeLeads(table));
}

TEST_F(LeadsFileTest, ResultNotAboveEntryTenWritesNothing) {
    LoadLeads(table, path);
    QByteArray bytes = FileBytes();
    bytes[110] = 'P';  // a mark that a rewrite would clear
    WriteFile(bytes);
    for (int32_t points : {0, -10}) InsertLead(table, QStringLiteral("Nobody"), points, path);
    EXPECT_EQ(FileBytes(), bytes);
    for (int i = 0; i < 10; ++i) InsertLead(table, QStringLiteral("P") + QString::number(i), 100 + i, path);
    bytes = FileBytes();
    InsertLead(table, QStringLiteral("Equal"), 100, path);  // equal to entry 10
    EXPECT_EQ(FileBytes(), bytes);
    InsertLead(table, QStringLiteral("Above"), 101, path);  // below P1, which also has 101
    EXPECT_EQ(GetLeadEntry(table, 9).name, QStringLiteral("P1"));
    EXPECT_EQ(GetLeadEntry(table, 10).name, QStringLiteral("Above"));
}

TEST_F(LeadsFileTest, NamesAreCutToTenCharacters) {
    InsertLead(table, QStringLiteral("ABCDEFGHIJKLMNOP"), 50, path);
    InsertLead(table, QString(), 40, path);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(GetLeadEntry(table, 2).name, QString());
    EXPECT_EQ(uint8_t(FileBytes()[11]), 0);
}

TEST_F(LeadsFileTest, InsertDecidesOnTheCurrentFile) {
    InsertLead(table, QStringLiteral("Mine"), 300, path);
    LeadsTable other;  // another game process writes in between
    InsertLead(other, QStringLiteral("Theirs"), 400, path);
    InsertLead(table, QStringLiteral("Again"), 350, path);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("Theirs"));
    EXPECT_EQ(GetLeadEntry(table, 2).name, QStringLiteral("Again"));
    EXPECT_EQ(GetLeadEntry(table, 3).name, QStringLiteral("Mine"));
}

TEST_F(LeadsFileTest, SimultaneousInsertsLoseNoResult) {
    std::vector<std::thread> players;
    for (int player = 0; player < 4; ++player)
        players.emplace_back([this, player] {
            for (int game = 0; game < 5; ++game) {
                LeadsTable own;
                InsertLead(own, QStringLiteral("p%1g%2").arg(player).arg(game), 1000 + player * 10 + game, path);
            }
        });
    for (auto& player : players) player.join();
    LoadLeads(table, path);
    // The ten best of the twenty results: players 3 and 2, every game.
    for (int i = 1; i <= 10; ++i) {
        const int player = i <= 5 ? 3 : 2, game = 4 - (i - 1) % 5;
        EXPECT_EQ(GetLeadEntry(table, i).points, 1000 + player * 10 + game) << i;
    }
}

TEST_F(LeadsFileTest, ClearStartsOver) {
    InsertLead(table, QStringLiteral("Gone"), 700, path);
    ClearLeads(table, path);
    EXPECT_EQ(FileBytes(), DefaultBytes());
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("none"));
    QFile::remove(path);
    ClearLeads(table, path);
    EXPECT_EQ(FileBytes(), DefaultBytes());
}
