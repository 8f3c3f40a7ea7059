// Making a card set from a player's own pictures, the same for cardgen and for the
// options window: a back and 18 faces in any format Qt reads, each cut to a square
// from its middle and scaled to a card, written as the game expects (space.bmp,
// 1.bmp .. 18.bmp, and names.txt with the faces' file names, for screen readers).
// The set is made in a hidden folder beside its place and moved there only when every
// file is on the disk: a bad picture, a full disk or a kill leaves no half-made set.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// Cards are 120 x 120 pixels, shown at 60 x 60, so they stay sharp at 200 % scaling.
constexpr int kCardPictureSize = 120;
constexpr int kPicturesInASet = 19;  // the back, then 18 faces

// The picture cut to a square from its middle and scaled to a card.
QImage FitToCard(const QImage& picture);

// What a face shows, from its file's name: "red_fox.jpg" is "red fox".
QString FaceNameFromFile(const QString& path);

// Whether two cards show the same picture, as the same photo saved twice in two
// formats or sizes would: a set with two such faces cannot be won without losses.
bool SamePicture(const QImage& card, const QImage& other);

// Told after each step of a make, from any thread: steps done of all; false stops it.
using MakeProgress = std::function<bool(int done, int total)>;

// Makes the set in `folder` from the back and the faces, replacing a set there. Returns
// an empty text when it is made, else what went wrong, naming the file. Only regular
// files are read as pictures. It may run on a thread of its own.
QString MakeCardSet(const QString& folder, const QString& back, const QStringList& faces, const MakeProgress& progress = {});
