#include "CardSets.h"

#include <QDir>
#include <QFileInfo>

#include "SettingsStore.h"

namespace {

bool IsPictureFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}

}  // namespace

QStringList ListCardSets(const QString& gfxFolder) {
    // Read-only folders (an installed game's) are sets like any other.
    return QDir(gfxFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString CardSetsFolder(const QString& programFolder) {
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder + QStringLiteral("gfx/");
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

QString ChooseCardSet(const QString& gfxFolder, const QString& wanted, const QStringList& excluded) {
    QStringList candidates{wanted, kDefaultCardSet};
    candidates += ListCardSets(gfxFolder);
    for (const QString& name : candidates)
        if (IsValidCardSetName(name) && !excluded.contains(name) &&
            CardSetProblem(gfxFolder + name + QLatin1Char('/')).isEmpty())
            return name;
    return {};
}
