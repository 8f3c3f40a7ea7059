// The card sets on disk: the folders under "gfx" in the program's folder, each with
// a back "space.bmp" and the faces "1.bmp" .. "18.bmp".
#pragma once

#include <QString>
#include <QStringList>

// The card sets in `gfxFolder`, by name: every folder there except hidden ones
// (whose names begin with "."); plain files are not sets. A missing or unreadable
// folder gives an empty list.
QStringList ListCardSets(const QString& gfxFolder);

// "gfx/" in the program's folder.
QString CardSetsFolder(const QString& programFolder);

// Why the set in `cardFolder` cannot be dealt ("no back picture space.bmp",
// "faces 7, 12 missing"), or an empty string when it has all its pictures.
QString CardSetProblem(const QString& cardFolder);

// The set to play: `wanted` when it can be dealt, else "animals", else the first
// listed set that can, leaving out those in `excluded`; empty when none can.
QString ChooseCardSet(const QString& gfxFolder, const QString& wanted, const QStringList& excluded = {});
