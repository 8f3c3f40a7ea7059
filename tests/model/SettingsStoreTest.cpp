// The settings store with both of its files redirected to a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "QtPrinting.h"
#include "model/CardSets.h"
#include "ChildProcess.h"
#include "model/IniText.h"
#include "model/SettingsStore.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("user")));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath(QStringLiteral("system")));
    }
    // Writes a raw INI file for one scope.
    void WriteIni(const QString& scope, const QByteArray& text) {
        QDir().mkpath(dir.filePath(scope + QStringLiteral("/Dravontek")));
        QFile file(dir.filePath(scope + QStringLiteral("/Dravontek/Quorvix.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    GameSettings Load() {
        GameSettings settings;
        settings.CardSetName = QStringLiteral("stale");
        settings.TurnDelay = 1234;
        settings.SoundOn = false;
        LoadSettings(settings, *OpenSettingsStore());
        return settings;
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(SettingsTest, NoStoredValuesGiveTheDefaults) {
    const GameSettings settings = Load();
    EXPECT_EQ(settings.CardSetName, QStringLiteral("animals"));
    EXPECT_EQ(settings.TurnDelay, 500);
    EXPECT_TRUE(settings.SoundOn);
}

TEST_F(SettingsTest, SaveWritesAllThreeValues) {
    GameSettings settings;
    settings.CardSetName = QStringLiteral("fruit");
    settings.TurnDelay = 250;
    SaveSettings(settings, SettingsFilePath(), QStringLiteral("/opt/quorvix/"));
    QSettings raw(dir.filePath(QStringLiteral("user/Dravontek/Quorvix.ini")), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("cards")).toString(), QStringLiteral("fruit"));
    EXPECT_EQ(raw.value(QStringLiteral("delay")).toInt(), 250);
    EXPECT_EQ(raw.value(QStringLiteral("path")).toString(), QStringLiteral("/opt/quorvix/"));
    const GameSettings loaded = Load();
    EXPECT_EQ(loaded.CardSetName, QStringLiteral("fruit"));
    EXPECT_EQ(loaded.TurnDelay, 250);
}

TEST_F(SettingsTest, DelayRules) {
    struct Row {
        const char* stored;
        int32_t loaded;
    };
    const Row rows[] = {{"0", 0},       {"2000", 2000}, {"50", 50},       {"125", 500},  {"2050", 500},
                        {"-50", 500},   {"abc", 500},   {"", 500},        {"4294967796", 500},
                        {"1e3", 500},   {"1000", 1000}};
    for (const Row& row : rows) {
        WriteIni(QStringLiteral("user"), QByteArray("[General]\ncards=flags\ndelay=") + row.stored + "\n");
        const GameSettings settings = Load();
        EXPECT_EQ(settings.TurnDelay, row.loaded) << row.stored;
        EXPECT_EQ(settings.CardSetName, QStringLiteral("flags"));
    }
}

TEST_F(SettingsTest, SoundIsOnUnlessPlainlyOff) {
    struct Row {
        const char* line;
        bool on;
    };
    const Row rows[] = {{"sound=false", false}, {"sound=FALSE", false}, {"sound=0", false}, {"sound=no", false},
                        {"sound=Off", false},   {"sound= false ", false}, {"sound=true", true}, {"sound=1", true},
                        {"sound=", true},       {"sound=maybe", true},  {"sound=a, b", true}, {"", true}};
    int row = 0;
    for (const Row& r : rows) {
        // A comment of its own length each time: QSettings rereads only a file it sees change.
        WriteIni(QStringLiteral("user"), QByteArray(++row, ';') + "\n[General]\ndelay=100\n" + r.line + "\n");
        EXPECT_EQ(Load().SoundOn, r.on) << r.line;
    }
    // Saved as it is read back.
    for (bool on : {false, true}) {
        GameSettings settings;
        settings.SoundOn = on;
        SaveSettings(settings, SettingsFilePath(), QStringLiteral("/opt/q/"));
        QFile saved(SettingsFilePath());
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll().contains(on ? "\nsound=true\n" : "\nsound=false\n")) << on;
        EXPECT_EQ(Load().SoundOn, on);
    }
}

TEST_F(SettingsTest, CardsRules) {
    struct Row {
        const char* line;
        const char* loaded;
    };
    const Row rows[] = {{"cards=fruit", "fruit"}, {"cards=", "animals"}, {"cards=a, b", "animals"},
                        {"cards=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", "animals"}, {"", "animals"}};
    for (const Row& row : rows) {
        WriteIni(QStringLiteral("user"), QByteArray("[General]\ndelay=100\n") + row.line + "\n");
        EXPECT_EQ(Load().CardSetName, QString::fromUtf8(row.loaded)) << row.line;
    }
}

TEST_F(SettingsTest, SystemWideFileGivesDefaultsThatUsersOverride) {
    WriteIni(QStringLiteral("system"), "[General]\ncards=flags\ndelay=1500\n");
    GameSettings settings = Load();
    EXPECT_EQ(settings.CardSetName, QStringLiteral("flags"));
    EXPECT_EQ(settings.TurnDelay, 1500);
    WriteIni(QStringLiteral("user"), "[General]\ncards=fruit\n");
    settings = Load();
    EXPECT_EQ(settings.CardSetName, QStringLiteral("fruit"));
    EXPECT_EQ(settings.TurnDelay, 1500);
}

TEST_F(SettingsTest, PathIsWrittenButNeverRead) {
    WriteIni(QStringLiteral("user"), "[General]\npath=/elsewhere/\ncards=fruit\ndelay=300\n");
    const GameSettings settings = Load();
    EXPECT_EQ(settings.CardSetName, QStringLiteral("fruit"));
    EXPECT_EQ(settings.TurnDelay, 300);
}

TEST_F(SettingsTest, UnwritableStoreRaisesAndKeepsTheOldFile) {
    // A folder where the settings file should be: it can be neither written nor replaced.
    const QString blocked = dir.filePath(QStringLiteral("blocked/Dravontek/Quorvix.ini"));
    QDir().mkpath(blocked);
    try {
        SaveSettings(GameSettings{}, blocked, QStringLiteral("/opt/"));
        FAIL() << "no error";
    } catch (const SettingsError& error) {
        const QString text = QString::fromUtf8(error.what());
        EXPECT_TRUE(text.startsWith(QStringLiteral("Failed to set data for 'cards'\n"))) << error.what();
        EXPECT_TRUE(text.contains(blocked)) << error.what();
    }
    EXPECT_TRUE(QFileInfo(blocked).isDir());
}

TEST_F(SettingsTest, FullDiskRaisesAndKeepsTheOldFile) {
    const std::string folder = dir.filePath(QStringLiteral("small")).toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    const std::string failure = RunOnSmallDisk(folder, [&folder](bool mounted) -> std::string {
        const QString path = QString::fromStdString(folder) + QStringLiteral("/Dravontek/Quorvix.ini");
        const QByteArray before = "; chosen by hand\n[General]\ncards=fruit\ndelay=300\n";
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(before) != before.size() || !file.flush()) return "set-up failed";
        file.close();
        if (!FillDisk(folder, mounted)) return "the disk could not be filled";
        GameSettings settings;
        settings.CardSetName = QStringLiteral("flags");
        try {
            SaveSettings(settings, path, QStringLiteral("/opt/quorvix/with a long folder name to need a block/"));
            return "a save on a full disk reported success";
        } catch (const SettingsError& error) {
            if (!QString::fromUtf8(error.what()).startsWith(QStringLiteral("Failed to set data for 'cards'")))
                return std::string("wrong message: ") + error.what();
        }
        QFile after(path);
        if (!after.open(QIODevice::ReadOnly) || after.readAll() != before) return "the old settings file was changed";
        if (QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size() != 1) return "a temporary file was left";
        return {};
    });
    EXPECT_EQ(failure, "");
}

// QSettings reports a format error for a line without "=", and drops comments when
// it writes; neither may touch a save.
TEST_F(SettingsTest, SaveKeepsTheFilesOtherLinesAndReportsOnlyItsOwnErrors) {
    WriteIni(QStringLiteral("user"), "; my choices\n[General]\ncards=fruit\nnot a setting\ndelay=300\nextra=1\n\n[Window]\nx=5\n");
    const GameSettings loaded = Load();
    EXPECT_EQ(loaded.CardSetName, QStringLiteral("fruit"));
    GameSettings settings;
    settings.CardSetName = QStringLiteral("flags");
    settings.TurnDelay = 1000;
    EXPECT_NO_THROW(SaveSettings(settings, SettingsFilePath(), QStringLiteral("/opt/q/")));
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "; my choices\n[General]\ncards=flags\nnot a setting\ndelay=1000\nextra=1\npath=/opt/q/\nsound=true\n\n[Window]\nx=5\n");
}

TEST(IniText, SetValuesInPlace) {
    struct Row {
        const char* name;
        QByteArray before;
        QByteArray after;
    };
    const IniValues values{{"cards", "fruit"}, {"delay", "50"}};
    const Row rows[] = {
        {"empty file", "", "[General]\ncards=fruit\ndelay=50\n"},
        {"values replaced where they stand", "[General]\ndelay=5\nx=1\ncards=old\n", "[General]\ndelay=50\nx=1\ncards=fruit\n"},
        {"later duplicates dropped", "[General]\ncards=a\ncards=b\n", "[General]\ncards=fruit\ndelay=50\n"},
        {"keys of other groups left alone", "[Other]\ncards=x\n", "[General]\ncards=fruit\ndelay=50\n\n[Other]\ncards=x\n"},
        {"keys before the first group are General", "cards=x\n\n[Other]\ny=1\n", "cards=fruit\ndelay=50\n\n[Other]\ny=1\n"},
        {"missing keys at the end of General", "[General]\nx=1\n\n[Other]\ny=2\n", "[General]\nx=1\ncards=fruit\ndelay=50\n\n[Other]\ny=2\n"},
        {"continued value replaced whole", "[General]\ncards=a\\\n  b\nz=1\n", "[General]\ncards=fruit\nz=1\ndelay=50\n"},
        {"comments and spacing kept", "; top\n[General]\n  cards = x ;c\n", "; top\n[General]\n  cards=fruit;c\ndelay=50\n"},
        {"group names in any case", "[general]\ncards=x\n[Other]\n", "[general]\ncards=fruit\ndelay=50\n[Other]\n"},
        {"escaped keys are the same keys", "[General]\ncar%64s=x\n", "[General]\ncards=fruit\ndelay=50\n"},
        {"a quote left open takes the rest", "[General]\nx=\"open\ncards=y\n", "[General]\ncards=fruit\ndelay=50\nx=\"open\ncards=y\n"},
        {"Windows line ends kept", "[General]\r\ncards=x\r\n", "[General]\r\ncards=fruit\r\ndelay=50\r\n"},
        {"no final line end", "[General]\nx=1", "[General]\nx=1\ncards=fruit\ndelay=50\n"},
        // A backslash last in the file takes whatever line end is written after it.
        {"a backslash last", "[General]\nx=a\\", "[General]\ncards=fruit\ndelay=50\nx=a\\"},
        {"a backslash's CR kept apart", "[General]\nx=a\\\r\rz=1\n", "[General]\nx=a\\\r\rz=1\ncards=fruit\ndelay=50\n"},
        {"the same before a dropped line", "cards=1\nz=b\\\r\rcards=2\nq=1\n", "cards=fruit\nz=b\\\r\rq=1\ndelay=50\n"},
        {"a backslash's CR before the new keys", "[General]\nx=a\\\r\r[Other]\n", "[General]\nx=a\\\r\rcards=fruit\ndelay=50\n[Other]\n"},
        {"new keys where a dropped last key was", "cards=1\ncards=2\n;note", "cards=fruit\ndelay=50\n;note\n"},
        {"keys trimmed of form feeds too", "[General]\n\vcards\f=x\n", "[General]\ncards=fruit\ndelay=50\n"},
        {"a backslash and a CR last", "[General]\nx=a\\\r", "[General]\ncards=fruit\ndelay=50\nx=a\\\r"},
        // QSettings skips a byte-order mark first in the file, but keeps the blanks
        // after it in the first key.
        {"a group right after a BOM", "\xEF\xBB\xBF[Sound]\ndelay=1\n[General]\ncards=x\n",
         "\xEF\xBB\xBF[Sound]\ndelay=1\n[General]\ncards=fruit\ndelay=50\n"},
        {"a key right after a BOM", "\xEF\xBB\xBF" "cards=x\n", "\xEF\xBB\xBF" "cards=fruit\ndelay=50\n"},
        {"blanks before the first key after a BOM", "\xEF\xBB\xBF cards=x\n", "\xEF\xBB\xBF cards=x\ncards=fruit\ndelay=50\n"},
        {"the same, its quote left open", "\xEF\xBB\xBF cards=\"x\n",
         "\xEF\xBB\xBF" "cards=fruit\ndelay=50\n%20cards=\"x\n"},
    };
    for (const Row& row : rows) EXPECT_EQ(SetIniValues(row.before, values), row.after) << row.name;
}

// Whatever a value holds, QSettings reads back exactly what was saved.
TEST_F(SettingsTest, SavedTextsReadBackExactly) {
    const QString values[] = {
        QStringLiteral("fruit"), QStringLiteral("a,b"), QStringLiteral(" lead"), QStringLiteral("trail "),
        QStringLiteral("@at"), QStringLiteral("@@twice"), QStringLiteral("semi;colon"), QStringLiteral("eq=ual"),
        QStringLiteral("quote\"d"), QStringLiteral("back\\slash\\"), QStringLiteral("tab\tand\nline"),
        QString::fromUtf8("\x01" "abc\x1f" "f"), QString::fromUtf8("Ünïcödé 日本 🂡"), QStringLiteral("/opt/Quorvix Game/"),
        QStringLiteral("\"quoted\""), QStringLiteral("#hash"), QStringLiteral("[group]"), QString(),
        // The byte-order mark and its swapped twin as characters of a value, anywhere.
        QString::fromUtf16(u"fr,ui\uFEFFt"), QString::fromUtf16(u"\uFEFFfirst"), QString::fromUtf16(u"x\uFFFEy"),
    };
    int file = 0;
    for (const QString& value : values) {
        GameSettings settings;
        settings.CardSetName = value;
        // A file of its own each: QSettings keeps what it read of a file until its size
        // or time changes, and two saves of the same size can share a millisecond.
        const QString path = dir.filePath(QStringLiteral("texts/%1.ini").arg(++file));
        SaveSettings(settings, path, value);
        QSettings raw(path, QSettings::IniFormat);
        EXPECT_EQ(raw.value(QStringLiteral("path")).toString(), value) << EncodeIniString(value).constData();
        EXPECT_EQ(raw.value(QStringLiteral("cards")).typeId(), QMetaType::QString) << EncodeIniString(value).constData();
        EXPECT_EQ(raw.status(), QSettings::NoError);
    }
}

TEST_F(SettingsTest, SetNamesThatLeaveTheCardFolderGiveTheDefault) {
    const char* names[] = {"../../../evil", "..", ".", "/etc", "a/b", "a\\\\b", "fruit/../../x"};
    for (const char* name : names) {
        WriteIni(QStringLiteral("user"), QByteArray("[General]\ndelay=100\ncards=") + name + "\n");
        EXPECT_EQ(Load().CardSetName, QStringLiteral("animals")) << name;
    }
    WriteIni(QStringLiteral("user"), "[General]\ncards=..fine.\n");
    EXPECT_EQ(Load().CardSetName, QStringLiteral("..fine."));
}

TEST(CardFolder, ProgramFolderGfxAndSetName) {
    EXPECT_EQ(BuildCardFolder(QStringLiteral("/opt/quorvix/"), QStringLiteral("animals")),
              QStringLiteral("/opt/quorvix/gfx/animals/"));
    EXPECT_EQ(BuildCardFolder(QStringLiteral("/opt/quorvix"), QStringLiteral("fruit")),
              QStringLiteral("/opt/quorvix/gfx/fruit/"));
}

TEST(CardSets, FoldersOnlyHiddenOnesLeftOutReadOnlyKept) {
    QTemporaryDir dir;
    const QString gfx = CardSetsFolder(dir.path());
    for (const char* name : {"fruit", ".hidden", "Animals", "flags"}) QDir().mkpath(gfx + QString::fromLatin1(name));
    QFile file(gfx + QStringLiteral("readme.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QFile::setPermissions(gfx + QStringLiteral("flags"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(ListCardSets(gfx), (QStringList{"Animals", "flags", "fruit"}));
    EXPECT_TRUE(ListCardSets(dir.filePath(QStringLiteral("missing/gfx/"))).isEmpty());
    EXPECT_EQ(CardSetsFolder(QStringLiteral("/opt/q")), QStringLiteral("/opt/q/gfx/"));
}

namespace {

void MakeSet(const QString& gfx, const QString& name, bool back, int missingFace) {
    const QString folder = gfx + name + QLatin1Char('/');
    QDir().mkpath(folder);
    QStringList files;
    if (back) files << QStringLiteral("space.bmp");
    for (int value = 1; value <= 18; ++value)
        if (value != missingFace) files << QString::number(value) + QStringLiteral(".bmp");
    for (const QString& file : files) {
        QFile picture(folder + file);
        if (picture.open(QIODevice::WriteOnly)) picture.write("BM");
    }
}

}  // namespace

TEST(CardSets, WhatASetLacks) {
    QTemporaryDir dir;
    const QString gfx = CardSetsFolder(dir.path());
    MakeSet(gfx, QStringLiteral("whole"), true, 0);
    MakeSet(gfx, QStringLiteral("noback"), false, 0);
    MakeSet(gfx, QStringLiteral("noseven"), true, 7);
    QDir().mkpath(gfx + QStringLiteral("empty"));
    QFile(gfx + QStringLiteral("noseven/12.bmp")).resize(0);  // an empty file is no picture
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("whole/")), QString());
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("noback/")), QStringLiteral("no back picture space.bmp"));
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("noseven/")), QStringLiteral("faces 7, 12 missing"));
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("gone/")), QStringLiteral("no such folder"));
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("empty/")), QStringLiteral("no back picture space.bmp"));
    // Judged by the pictures' first bytes: text under a picture's name is no picture;
    // any format the game reads is.
    const auto put = [&](const QString& set, const QString& file, const QByteArray& bytes) {
        QFile out(gfx + set + QLatin1Char('/') + file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    };
    for (const QString& set : {QStringLiteral("text"), QStringLiteral("formats")}) MakeSet(gfx, set, true, 0);
    put(QStringLiteral("text"), QStringLiteral("5.bmp"), "not a picture\n");
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("text/")), QStringLiteral("face 5.bmp is not a picture"));
    put(QStringLiteral("text"), QStringLiteral("9.bmp"), "PK\3\4");
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("text/")), QStringLiteral("faces 5, 9 are not pictures"));
    put(QStringLiteral("text"), QStringLiteral("space.bmp"), "<html>");
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("text/")), QStringLiteral("space.bmp is not a picture"));
    const QByteArray formats[] = {QByteArray("\x89PNG\r\n\x1a\n", 8), "\xff\xd8\xff\xe0", "GIF89a", QByteArray("RIFF\0\0\0\0WEBPVP8 ", 16),
                                  QByteArray("II*\0", 4), "P6\n"};
    int value = 1;
    for (const QByteArray& format : formats) put(QStringLiteral("formats"), QString::number(value++) + QStringLiteral(".bmp"), format);
    EXPECT_EQ(CardSetProblem(gfx + QStringLiteral("formats/")), QString());
}

// The player's own sets' folder, under XDG_DATA_HOME, redirected while it lives.
class PlayerDataFolder {
public:
    explicit PlayerDataFolder(const QString& folder) : previous_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    }
    ~PlayerDataFolder() { qputenv("XDG_DATA_HOME", previous_); }

private:
    QByteArray previous_;
};

TEST(CardSets, ChoosingTheSetToPlay) {
    QTemporaryDir dir;
    PlayerDataFolder data(dir.filePath(QStringLiteral("data")));
    const QString program = dir.filePath(QStringLiteral("program"));
    const QString gfx = CardSetsFolder(program);
    MakeSet(gfx, QStringLiteral("fruit"), true, 0);
    MakeSet(gfx, QStringLiteral("broken"), false, 0);
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("fruit")), QStringLiteral("fruit"));
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("broken")), QStringLiteral("fruit"));  // no animals here
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("../fruit")), QStringLiteral("fruit"));
    MakeSet(gfx, QStringLiteral("animals"), true, 0);
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("broken")), QStringLiteral("animals"));
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("gone")), QStringLiteral("animals"));
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("broken"), {QStringLiteral("animals")}), QStringLiteral("fruit"));
    EXPECT_EQ(ChooseCardSet(program, QString(), {QStringLiteral("animals"), QStringLiteral("fruit")}), QString());
    // A whole set of the player's own mends the installed broken one of its name.
    MakeSet(UserCardSetsFolder(), QStringLiteral("broken"), true, 0);
    EXPECT_EQ(ChooseCardSet(program, QStringLiteral("broken")), QStringLiteral("broken"));
}

TEST(CardSets, PlayersOwnSetsComeFirstAndHideInstalledOnes) {
    QTemporaryDir dir;
    PlayerDataFolder data(dir.filePath(QStringLiteral("data")));
    const QString program = dir.filePath(QStringLiteral("program"));
    EXPECT_EQ(UserCardSetsFolder(), dir.filePath(QStringLiteral("data/Quorvix/gfx/")));
    MakeSet(CardSetsFolder(program), QStringLiteral("animals"), true, 0);
    MakeSet(CardSetsFolder(program), QStringLiteral("fruit"), true, 0);
    MakeSet(UserCardSetsFolder(), QStringLiteral("fruit"), false, 0);
    MakeSet(UserCardSetsFolder(), QStringLiteral("mine"), true, 3);
    // Links from elsewhere: to a whole set, listed; to a folder of something else, not.
    MakeSet(dir.filePath(QStringLiteral("elsewhere/")), QStringLiteral("holiday"), true, 0);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere/holiday")), UserCardSetsFolder() + QStringLiteral("holiday")));
    ASSERT_TRUE(QFile::link(dir.path(), UserCardSetsFolder() + QStringLiteral("etc")));
    // A folder named in Latin-1 ("café"), which Qt cannot open by name: listed, readable,
    // unusable. A link under such a name, to a whole set, is left out.
    const QByteArray ownBytes = QFile::encodeName(UserCardSetsFolder());
    ASSERT_EQ(mkdir((ownBytes + "caf\xe9").constData(), 0700), 0);
    ASSERT_EQ(symlink(QFile::encodeName(dir.filePath(QStringLiteral("elsewhere/holiday"))).constData(), (ownBytes + "hol\xef" "day").constData()), 0);
    QStringList seen;
    for (const CardSet& set : AllCardSets(program))
        seen << QStringLiteral("%1 %2 %3 [%4]").arg(set.name, set.user ? "own" : "installed", set.folder, set.problem);
    const QString own = UserCardSetsFolder(), installed = CardSetsFolder(program);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("caf\uFFFD own %1caf\uFFFD/ [the folder's name is not UTF-8 text]").arg(own),
                                 QStringLiteral("fruit own %1fruit/ [no back picture space.bmp]").arg(own),
                                 QStringLiteral("holiday own %1holiday/ []").arg(own),
                                 QStringLiteral("mine own %1mine/ [face 3.bmp missing]").arg(own),
                                 QStringLiteral("animals installed %1animals/ []").arg(installed)}));
    EXPECT_EQ(CardSetFolder(program, QStringLiteral("fruit")), own + QStringLiteral("fruit/"));
    EXPECT_EQ(CardSetFolder(program, QStringLiteral("animals")), installed + QStringLiteral("animals/"));
    // A name that leaves the folders never reaches the player's folder.
    EXPECT_FALSE(CardSetFolder(program, QStringLiteral("../gfx/fruit")).startsWith(own));
    // Qt cannot remove what it cannot name.
    EXPECT_EQ(rmdir((ownBytes + "caf\xe9").constData()), 0);
    EXPECT_EQ(unlink((ownBytes + "hol\xef" "day").constData()), 0);
}

TEST(CardSets, FaceNamesFromTheSetOrNumbered) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("set/"));
    QDir().mkpath(folder);
    EXPECT_EQ(FaceNames(folder).at(17), QStringLiteral("card 18"));  // no names.txt
    QFile names(folder + QStringLiteral("names.txt"));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("dog\r\n  cat \n\nFran\xc3\xa7" "e\n" + QByteArray(1000, 'x') + "\nowl\n");
    names.close();
    const QStringList read = FaceNames(folder);
    ASSERT_EQ(read.size(), 18);
    EXPECT_EQ(read.mid(0, 4), (QStringList{"dog", "cat", "card 3", QStringLiteral("Fran\u00e7e")}));
    EXPECT_EQ(read[4], QString(100, QLatin1Char('x')));  // an overlong name is cut
    EXPECT_EQ(read[5], QStringLiteral("owl"));
    EXPECT_EQ(read[17], QStringLiteral("card 18"));
    // A pipe under the name is not opened (which would wait for a writer).
    ASSERT_TRUE(QFile::remove(names.fileName()));
    ASSERT_EQ(mkfifo(QFile::encodeName(names.fileName()).constData(), 0600), 0);
    EXPECT_EQ(FaceNames(folder).at(0), QStringLiteral("card 1"));
}
