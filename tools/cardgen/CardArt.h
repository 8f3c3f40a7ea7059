// The pictures cardgen draws: the bundled card sets and their backs (also the
// program's icon).
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

#include "ui/CardSetMaker.h"

constexpr int kCardSize = kCardPictureSize;

struct CardSetArt {
    const char* name;
    const char* faces[18];   // emoji
    const char* names[18];   // what each face shows, for screen readers
    const char* labels[18];  // printed under the face where only colours would tell it apart
    const char* backSymbol;
    QColor backColour;
};

const std::vector<CardSetArt>& BundledSets();

QImage Face(const CardSetArt& set, int index);
// A card back; as an icon, with round corners on a transparent background.
QImage Back(const CardSetArt& set, int size, bool icon = false);
// names.txt: the faces' names, one a line, face 1 first.
bool WriteFaceNames(const CardSetArt& set, const QString& path);
