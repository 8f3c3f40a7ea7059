// The pictures cardgen draws: the bundled card sets, their backs (also the program's
// icon), and a player's pictures fitted to a card.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// Cards are 120 x 120 pixels, shown at 60 x 60, so they stay sharp at 200 % scaling.
constexpr int kCardSize = 120;

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
// The picture cut to a square from its middle and scaled to a card.
QImage FitToCard(const QImage& picture);
// names.txt: the faces' names, one a line, face 1 first.
bool WriteFaceNames(const CardSetArt& set, const QString& path);
