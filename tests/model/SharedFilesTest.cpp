// The leaders file and the settings file in folders shared with other users, and
// pinned by their owner: nothing is written that should not be, nobody is locked out,
// and nothing a killed game left lies about for good.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include "ChildProcess.h"
#include "QtPrinting.h"
#include "model/Descriptors.h"
#include "model/FileReplace.h"
#include "model/LeadsFile.h"
#include "model/SettingsStore.h"

namespace {

constexpr uid_t kOtherUser = 65534;  // nobody

class SharedFiles : public ::testing::Test {
protected:
    void SetUp() override { ::chmod(QFile::encodeName(dir.path()).constData(), 0777); }

    // `body` as another user, in a child process; root is needed to become one.
    std::string AsOtherUser(const std::function<std::string()>& body) const {
        return RunInChild([&]() -> std::string {
            if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0) return "cannot become another user";
            return body();
        });
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static void Write(const QString& path, const QByteArray& bytes, mode_t mode) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ::chmod(QFile::encodeName(path).constData(), mode);
    }
    static std::string Inserted(const QString& path) {
        try {
            LeadsTable table;
            InsertLead(table, QStringLiteral("other"), 5000, path);
            return GetLeadEntry(table, 1).name == QStringLiteral("other") ? "" : "not ranked";
        } catch (const LeadsError& error) {
            return error.what();
        }
    }

    QTemporaryDir dir;
    const QString leads = dir.filePath(QStringLiteral("leads.dat"));
    const QString settings = dir.filePath(QStringLiteral("Quorvix.ini"));
};

}  // namespace

// One user's game made the lock file (0644 by the umask): another's still locks it.
TEST_F(SharedFiles, AnotherUsersLockFileLocksForEveryone) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
    LeadsTable table;
    LoadLeads(table, leads);
    InsertLead(table, QStringLiteral("owner"), 100, leads);
    ::chmod(QFile::encodeName(leads).constData(), 0666);
    EXPECT_EQ(AsOtherUser([&] { return Inserted(leads); }), "");
    LoadLeads(table, leads);
    EXPECT_EQ(GetLeadEntry(table, 1).name, QStringLiteral("other"));
}

// A file its owner made read-only is refused with the system's reason and kept.
TEST_F(SharedFiles, ReadOnlyFilesAreRefusedAndKept) {
    LeadsTable table;
    LoadLeads(table, leads);
    const QByteArray before = Read(leads);
    ::chmod(QFile::encodeName(leads).constData(), 0444);
    EXPECT_NE(Inserted(leads).find("Permission denied"), std::string::npos);
    EXPECT_EQ(Read(leads), before);

    Write(settings, "[General]\ncards=fruit\n", 0444);
    GameSettings chosen;
    chosen.CardSetName = QStringLiteral("flags");
    EXPECT_THROW(SaveSettings(chosen, settings, QStringLiteral("/opt/q/")), SettingsError);
    EXPECT_EQ(Read(settings), "[General]\ncards=fruit\n");
    EXPECT_EQ(QFileInfo(settings).permissions() & QFile::WriteOwner, 0);
}

// The rule for symbolic links: one of the user's own is followed and kept (made
// anew where it leads nowhere yet); one of another user, or a loop, is refused.
TEST_F(SharedFiles, OnlyTheUsersOwnLinksAreWrittenThrough) {
    const QString victim = dir.filePath(QStringLiteral("victim"));
    Write(victim, "fourteen bytes", 0644);
    LeadsTable table;
    if (::geteuid() == 0) {
        ASSERT_EQ(AsOtherUser([&]() -> std::string {
                      return QFile::link(victim, leads) ? "" : "cannot make the link";
                  }),
                  "");
        EXPECT_THROW(LoadLeads(table, leads), LeadsError);
        EXPECT_EQ(Read(victim), "fourteen bytes");
        EXPECT_TRUE(QFileInfo(leads).isSymLink());
        QFile::remove(leads);
    }
    const QString own = dir.filePath(QStringLiteral("own.dat"));
    ASSERT_TRUE(QFile::link(own, leads));  // leads nowhere yet
    LoadLeads(table, leads);
    EXPECT_TRUE(QFileInfo(leads).isSymLink());
    EXPECT_EQ(Read(own).size(), kLeadsRecordSize);

    const QString loop = dir.filePath(QStringLiteral("loop.ini"));
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_THROW(SaveSettings(GameSettings{}, loop, QStringLiteral("/opt/q/")), SettingsError);
    EXPECT_TRUE(QFileInfo(loop).isSymLink());
}

// A game killed while saving its settings left its new file: the next save clears it
// away, but not one a game saving at this moment is writing.
TEST_F(SharedFiles, SettingsLeftoversOfKilledGamesAreCleared) {
    const QString stale = dir.filePath(QStringLiteral(".Quorvix.ini.new-0badf00d"));
    const QString fresh = dir.filePath(QStringLiteral(".Quorvix.ini.new-0000beef"));
    Write(stale, "half", 0644);
    Write(fresh, "half", 0644);
    const utimbuf longAgo{1000000000, 1000000000};
    ::utime(QFile::encodeName(stale).constData(), &longAgo);
    SaveSettings(GameSettings{}, settings, QStringLiteral("/opt/q/"));
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(fresh));
}

// Another user swaps a link of theirs with the player's own, again and again, while
// the game saves through the player's: nothing is ever written through theirs.
TEST_F(SharedFiles, ASwappedLinkIsNeverWrittenThrough) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make another user's link";
    const QString victim = dir.filePath(QStringLiteral("victim")), theirs = dir.filePath(QStringLiteral("theirs"));
    Write(victim, "fourteen bytes", 0644);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("own.dat")), leads));
    ASSERT_TRUE(QFile::link(victim, theirs));
    const QByteArray ours = QFile::encodeName(leads), other = QFile::encodeName(theirs);
    ASSERT_EQ(::lchown(other.constData(), kOtherUser, kOtherUser), 0);
    const pid_t swapper = ::fork();
    if (swapper == 0)
        for (;;) ::syscall(SYS_renameat2, AT_FDCWD, ours.constData(), AT_FDCWD, other.constData(), RENAME_EXCHANGE);
    int saved = 0;
    for (int save = 0; save < 5000 && Read(victim) == "fourteen bytes"; ++save) saved += ReplaceFileContents(leads, "saved").isEmpty();
    ::kill(swapper, SIGKILL);
    ::waitpid(swapper, nullptr, 0);
    EXPECT_EQ(Read(victim), "fourteen bytes");
    EXPECT_GT(saved, 0);
}

TEST(PathParts, APathIsCutAtItsLastSlash) {
    const std::pair<QByteArray, PathParts> rows[] = {
        {"leads.dat", {".", "leads.dat"}}, {"/leads.dat", {"/", "leads.dat"}}, {"a/b/c", {"a/b", "c"}}, {"a/", {"a", ""}}};
    for (const auto& [path, parts] : rows) {
        EXPECT_EQ(SplitPath(path).folder, parts.folder) << path.constData();
        EXPECT_EQ(SplitPath(path).name, parts.name) << path.constData();
    }
}

// The player's own links lead where the kernel takes them: a name that is not UTF-8
// keeps its bytes, and ".." after a link to a folder is taken from where it leads.
TEST_F(SharedFiles, OwnLinksLeadWhereTheKernelTakesThem) {
    const QByteArray folder = QFile::encodeName(dir.path()) + "/", link = QFile::encodeName(leads);
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("deep/inner")));
    ASSERT_EQ(::symlink("deep/inner", (folder + "up").constData()), 0);
    const std::pair<QByteArray, QByteArray> cases[] = {{"own-\xff.dat", "own-\xff.dat"}, {"up/../beside.dat", "deep/beside.dat"}};
    for (const auto& [text, written] : cases) {
        ::unlink(link.constData());
        ASSERT_EQ(::symlink(text.constData(), link.constData()), 0);
        EXPECT_EQ(ReplaceFileContents(leads, "saved"), QString()) << text.constData();
        char read[8] = {};
        const int fd = ::open((folder + written).constData(), O_RDONLY);
        EXPECT_EQ(fd >= 0 ? ::read(fd, read, sizeof read) : -1, 5) << text.constData();
        EXPECT_STREQ(read, "saved") << text.constData();
        if (fd >= 0) ::close(fd);
    }
}
