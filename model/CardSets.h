// The card sets on disk: folders holding a back "space.bmp" and the faces "1.bmp" ..
// "18.bmp" (pictures in any format Qt reads, under those names), and optionally
// "names.txt", what each face shows. They are found in two places: the player's own
// in $XDG_DATA_HOME/Quorvix/gfx/, and those installed with the program, in the
// program's folder under "gfx". A player's set hides an installed one of its name.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct CardSet {
    QString name;
    QString folder;   // ending in a separator
    bool user;        // one of the player's own
    QString problem;  // why it cannot be dealt; empty when it can
};

// The card sets in `gfxFolder`, by name: every folder there except hidden ones
// (whose names begin with "."); plain files are not sets. A missing or unreadable
// folder gives an empty list.
QStringList ListCardSets(const QString& gfxFolder);

// "gfx/" in the program's folder, and the player's own sets' folder.
QString CardSetsFolder(const QString& programFolder);
QString UserCardSetsFolder();

// Every card set a player may see: the player's first, then the installed ones.
QList<CardSet> AllCardSets(const QString& programFolder);
// The folder of the named set: the player's when there is one, else the program's.
QString CardSetFolder(const QString& programFolder, const QString& name);

// Why the set in `cardFolder` cannot be dealt ("no back picture space.bmp",
// "faces 7, 12 missing"), or an empty string when it has all its pictures.
QString CardSetProblem(const QString& cardFolder);

// The set to play: `wanted` when it can be dealt, else "animals", else the first
// listed set that can, leaving out those in `excluded`; empty when none can.
QString ChooseCardSet(const QString& programFolder, const QString& wanted, const QStringList& excluded = {});

// What the 18 faces show ("dog", "France"), from the set's names.txt; "card N" for a
// face it does not name.
QStringList FaceNames(const QString& cardFolder);
