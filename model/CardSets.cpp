#include "model/CardSets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/SettingsStore.h"

namespace {

bool IsPictureFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}

QString WithSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

}  // namespace

QStringList ListCardSets(const QString& gfxFolder) {
    // Read-only folders (an installed game's) are sets like any other.
    return QDir(gfxFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString CardSetsFolder(const QString& programFolder) { return WithSeparator(programFolder) + QStringLiteral("gfx/"); }

QString UserCardSetsFolder() {
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           QStringLiteral("Quorvix/gfx/");
}

QList<CardSet> AllCardSets(const QString& programFolder) {
    QList<CardSet> sets;
    QStringList names;
    for (const auto& [folder, user] : {std::pair{UserCardSetsFolder(), true}, std::pair{CardSetsFolder(programFolder), false}})
        for (const QString& name : ListCardSets(folder)) {
            if (names.contains(name)) continue;  // the player's set of that name
            names << name;
            const QString setFolder = folder + name + QLatin1Char('/');
            sets.push_back({name, setFolder, user, CardSetProblem(setFolder)});
        }
    return sets;
}

QString CardSetFolder(const QString& programFolder, const QString& name) {
    if (IsValidCardSetName(name)) {
        const QString own = UserCardSetsFolder() + name + QLatin1Char('/');
        if (QFileInfo(own).isDir()) return own;
    }
    return BuildCardFolder(programFolder, name);
}

QString CardSetProblem(const QString& cardFolder) {
    if (!QFileInfo(cardFolder).isDir()) return QStringLiteral("no such folder");
    if (!IsPictureFile(cardFolder + QStringLiteral("space.bmp"))) return QStringLiteral("no back picture space.bmp");
    QStringList missing;
    for (int value = 1; value <= 18; ++value)
        if (!IsPictureFile(cardFolder + QString::number(value) + QStringLiteral(".bmp"))) missing << QString::number(value);
    if (missing.isEmpty()) return {};
    return (missing.size() == 1 ? QStringLiteral("face %1.bmp missing") : QStringLiteral("faces %1 missing"))
        .arg(missing.join(QStringLiteral(", ")));
}

QString ChooseCardSet(const QString& programFolder, const QString& wanted, const QStringList& excluded) {
    QStringList candidates{wanted, kDefaultCardSet};
    for (const CardSet& set : AllCardSets(programFolder)) candidates << set.name;
    for (const QString& name : candidates)
        if (IsValidCardSetName(name) && !excluded.contains(name) &&
            CardSetProblem(CardSetFolder(programFolder, name)).isEmpty())
            return name;
    return {};
}

QStringList FaceNames(const QString& cardFolder) {
    constexpr qint64 kMostRead = 64 * 1024;  // 18 names; the rest of a bigger file is ignored
    constexpr int kLongestName = 100;
    QStringList lines;
    QFile file(cardFolder + QStringLiteral("names.txt"));
    // Only a plain file: opening a pipe left under that name would wait for a writer.
    if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly))
        lines = QString::fromUtf8(file.read(kMostRead)).split(QLatin1Char('\n'));
    QStringList names;
    for (int value = 1; value <= 18; ++value) {
        const QString name = value <= lines.size() ? lines[value - 1].trimmed().left(kLongestName) : QString();
        names << (name.isEmpty() ? QStringLiteral("card %1").arg(value) : name);
    }
    return names;
}
