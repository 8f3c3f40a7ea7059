#include "CardSets.h"

#include <QDir>

QStringList ListCardSets(const QString& gfxFolder) {
    // Read-only folders (an installed game's) are sets like any other.
    return QDir(gfxFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString CardSetsFolder(const QString& programFolder) {
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder + QStringLiteral("gfx/");
}
