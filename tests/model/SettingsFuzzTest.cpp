// Random settings files, seeded so that a failure can be replayed: whatever a file
// holds, loading gives values the game can use, and saving into it gives a file from
// which QSettings reads back exactly what was saved.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <random>
#include <vector>

#include "model/IniText.h"
#include "QtPrinting.h"
#include "model/SettingsStore.h"

namespace {

class RandomIni {
public:
    explicit RandomIni(unsigned seed) : random_(seed) {}

    QByteArray Text() {
        static const std::vector<QByteArray> keys = {"cards", "delay", "path", "Cards", " cards ", "car%64s", "x", "a/b", ""};
        static const std::vector<QByteArray> lines = {
            "[General]", "[general]", "[Other]", "[General", "; note", "# note", "", "   ", "no equals sign", "=", "\\",
            "[Sound]",
        };
        // A byte-order mark first, as editors on other systems write one.
        QByteArray text = Pick(6) == 0 ? "\xEF\xBB\xBF" : "";
        for (int n = Pick(12); n > 0; --n) {
            if (Pick(3) == 0) {
                text += lines[size_t(Pick(int(lines.size())))];
            } else {
                QByteArray key = keys[size_t(Pick(int(keys.size())))];
                // A byte-order mark inside the file too, where two files were joined.
                if (Pick(5) == 0) key.insert(Pick(int(key.size()) + 1), "\xEF\xBB\xBF");
                text += key + '=' + Value();
            }
            text += Pick(8) == 0 ? "\r\n" : "\n";
        }
        return text;
    }

    QByteArray Value() {
        static const std::vector<QByteArray> values = {
            "fruit", "500", "2000", "125", "-50", "1e3", "a,b", "\"quoted\"", "\"open", "@Variant(\\0\\0\\0\\x2)", "@@x",
            "..", "../x", "/abs", "\\x41", "tail\\", "\xc3\xbc", "\xff\xfe", " spaced ", "=", ";c",
        };
        QByteArray value = values[size_t(Pick(int(values.size())))];
        if (Pick(4) == 0) value += values[size_t(Pick(int(values.size())))];
        return value;
    }

    QString Text16() {
        QString text;
        for (int n = Pick(12); n > 0; --n) {
            const int kind = Pick(4);
            text += QChar(kind == 0 ? Pick(0x20) : kind == 1 ? 0x20 + Pick(0x5F) : kind == 2 ? 0xA0 + Pick(0x2000) : Pick(0x80));
        }
        return text;
    }

    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

private:
    std::mt19937 random_;
};

}  // namespace

TEST(SettingsFuzz, AnyFileLoadsUsableValues) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("user")));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath(QStringLiteral("system")));
    RandomIni random(3);
    for (int run = 0; run < 1500; ++run) {
        // A file of its own each, so that QSettings' cache of what it read plays no part.
        const QString path = dir.filePath(QStringLiteral("load/%1.ini").arg(run));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray text = random.Text();
        file.write(text);
        file.close();
        QSettings store(path, QSettings::IniFormat);
        GameSettings settings;
        LoadSettings(settings, store);
        ASSERT_TRUE(IsValidCardSetName(settings.CardSetName)) << text.toStdString();
        ASSERT_TRUE(IsValidTurnDelay(settings.TurnDelay)) << text.toStdString();
    }
}

TEST(SettingsFuzz, SavedValuesReadBackFromAnyFile) {
    QTemporaryDir dir;
    // More runs, and another seed, for a longer search.
    RandomIni random(17 + unsigned(qEnvironmentVariableIntValue("QUORVIX_FUZZ_SEED")));
    const int runs = std::max(1500, qEnvironmentVariableIntValue("QUORVIX_FUZZ_RUNS"));
    for (int run = 0; run < runs; ++run) {
        const QByteArray before = random.Text();
        const QString cards = random.Text16(), path = random.Text16();
        const int32_t delay = 50 * random.Pick(41);
        const QByteArray after = SetIniValues(before, {{"cards", EncodeIniString(cards)},
                                                       {"delay", QByteArray::number(delay)},
                                                       {"path", EncodeIniString(path)}});
        const QString file = dir.filePath(QStringLiteral("%1.ini").arg(run));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(after);
        out.close();
        QSettings read(file, QSettings::IniFormat);
        ASSERT_EQ(read.value(QStringLiteral("cards")).toString(), cards) << before.toStdString() << "\n--\n" << after.toStdString();
        ASSERT_EQ(read.value(QStringLiteral("delay")).toInt(), delay) << after.toStdString();
        ASSERT_EQ(read.value(QStringLiteral("path")).toString(), path) << after.toStdString();
        // Every other key, of every group, reads as it read before: none changed, none
        // lost, none made.
        const QString original = dir.filePath(QStringLiteral("%1.before.ini").arg(run));
        QFile in(original);
        ASSERT_TRUE(in.open(QIODevice::WriteOnly));
        in.write(before);
        in.close();
        QSettings was(original, QSettings::IniFormat);
        QStringList others = read.allKeys(), wasOthers = was.allKeys();
        for (QStringList* keys : {&others, &wasOthers})
            keys->removeIf([](const QString& key) { return key.isEmpty() || key == u"cards" || key == u"delay" || key == u"path"; });
        others.sort();
        wasOthers.sort();
        ASSERT_EQ(others, wasOthers) << before.toStdString() << "\n--\n" << after.toStdString();
        for (const QString& key : others)
            ASSERT_EQ(read.value(key), was.value(key)) << key.toStdString() << "\n" << before.toStdString() << "\n--\n" << after.toStdString();
        // Names are never reused (QSettings caches what it read), but a long search
        // must not fill the disk.
        QFile::remove(file);
        QFile::remove(original);
    }
}
