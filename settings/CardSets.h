// The card sets on disk: the folders under "gfx" in the program's folder.
#pragma once

#include <QString>
#include <QStringList>

// The card sets in `gfxFolder`, by name: every folder there except hidden ones
// (whose names begin with "."); plain files are not sets. A missing or unreadable
// folder gives an empty list.
QStringList ListCardSets(const QString& gfxFolder);

// "gfx/" in the program's folder.
QString CardSetsFolder(const QString& programFolder);
