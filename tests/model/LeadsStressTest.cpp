// "leads.dat" under real abuse: games killed in the middle of writing it, and games
// finishing at the same moment in separate processes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "QtPrinting.h"
#include "model/LeadsFile.h"

namespace {

// The whole table after inserting 1, 2, .., n in turn: n, n - 1, .. and "none" with 0.
std::string CheckWholeTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "no file";
    const QByteArray bytes = file.readAll();
    if (bytes.size() != kLeadsRecordSize) return "a file of " + std::to_string(bytes.size()) + " bytes";
    LeadsRecord record;
    std::copy(bytes.begin(), bytes.end(), record.begin());
    const LeadsTable table = ParseLeads(record);
    const int32_t top = table.points[0];
    for (int entry = 1; entry <= kLeadEntries; ++entry) {
        const LeadEntry lead = GetLeadEntry(table, entry);
        const int32_t expected = std::max(top - (entry - 1), 0);
        if (lead.points != expected || lead.name != (expected ? QStringLiteral("kill") : QStringLiteral("none")))
            return "entry " + std::to_string(entry) + " is " + lead.name.toStdString() + " " + std::to_string(lead.points);
    }
    return {};
}

}  // namespace

TEST(LeadsStress, GamesKilledWhileWritingLeaveAWholeTable) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("leads.dat"));
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pause(0, 4000);
    constexpr int kKills = 220;
    // The table exists before the first kill, so a missing file after any kill is a
    // writer's fault, not a writer killed before it wrote anything.
    LeadsTable start;
    LoadLeads(start, path);
    ASSERT_EQ(CheckWholeTable(path), "");
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t game = ::fork();
        if (game == 0) {
            LeadsTable table;
            LoadLeads(table, path);
            for (int32_t next = table.points[0] + 1;; ++next) InsertLead(table, QStringLiteral("kill"), next, path);
        }
        ::usleep(useconds_t(pause(random)));
        ::kill(game, SIGKILL);
        ::waitpid(game, nullptr, 0);
        ASSERT_EQ(CheckWholeTable(path), "") << "after kill " << kill;
    }
    LeadsTable table;
    LoadLeads(table, path);
    InsertLead(table, QStringLiteral("kill"), table.points[0] + 1, path);
    // The last writer cleared away what killed writers left.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"leads.dat", "leads.dat.lock"}));
}

// Each round starts without a file; three games insert ten results between them
// while a fourth starts up (and so may create the default table), all released at
// once. Every result must be in the table, and no insertion may give up.
TEST(LeadsStress, GamesFinishingTogetherLoseNoResult) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("leads.dat"));
    constexpr int kRounds = 100;
    const std::vector<std::vector<int32_t>> shares = {{1, 4, 7, 10}, {2, 5, 8}, {3, 6, 9}, {}};
    int inserted = 0;
    for (int round = 0; round < kRounds; ++round) {
        QFile::remove(path);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> games;
        for (const auto& share : shares) {
            const pid_t game = ::fork();
            if (game == 0) {
                ::close(start[1]);
                char go;
                (void)!::read(start[0], &go, 1);  // returns when the parent closes its end
                try {
                    LeadsTable table;
                    if (share.empty()) LoadLeads(table, path);
                    for (int32_t points : share) InsertLead(table, QStringLiteral("r%1").arg(round), round * 100 + points, path);
                } catch (const LeadsError&) {
                    ::_exit(1);
                }
                ::_exit(0);
            }
            games.push_back(game);
            inserted += int(share.size());
        }
        ::close(start[0]);
        ::close(start[1]);
        for (pid_t game : games) {
            int status = 0;
            ::waitpid(game, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a game failed in round " << round;
        }
        LeadsTable table;
        LoadLeads(table, path);
        for (int entry = 1; entry <= kLeadEntries; ++entry)
            ASSERT_EQ(table.points[size_t(entry - 1)], round * 100 + 11 - entry) << "round " << round << ", entry " << entry;
    }
    EXPECT_GE(inserted, 1000);
}
