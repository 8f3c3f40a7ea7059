// The settings store with both of its files redirected to a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "CardSets.h"
#include "SettingsStore.h"

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
}

TEST_F(SettingsTest, SaveWritesAllThreeValues) {
    GameSettings settings;
    settings.CardSetName = QStringLiteral("fruit");
    settings.TurnDelay = 250;
    SaveSettings(settings, *OpenSettingsStore(), QStringLiteral("/opt/quorvix/"));
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
    WriteIni(QStringLiteral("user"), "[General]\ncards=fruit\ndelay=300\n");
    // A folder where the settings file should be: it can be neither written nor replaced.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("blocked")));
    QDir().mkpath(dir.filePath(QStringLiteral("blocked/Dravontek/Quorvix.ini")));
    GameSettings settings;
    try {
        SaveSettings(settings, *OpenSettingsStore(), QStringLiteral("/opt/"));
        FAIL() << "no error";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'cards'");
    }
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
