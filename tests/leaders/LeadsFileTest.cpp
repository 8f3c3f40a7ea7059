// "leads.dat" with real files in a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <thread>
#include <vector>

#include "LeadsFile.h"

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
    SetLeadEntry(table, 1, QStringLiteral("stale"), 5);
    EXPECT_THROW(LoadLeads(table, path), LeadsError);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("none"));  // default table in memory
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_THROW(InsertLead(table, QStringLiteral("Ann"), 100, path), LeadsError);
    EXPECT_TRUE(QFileInfo(path).isDir());
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
