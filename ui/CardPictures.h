// Card pictures, decoded once at the size they are shown and shared by every cell
// that shows them, so that memory stays small whatever the pictures on disk.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures whose header claims more pixels than this are refused: a card is shown
// at 60 × 60, and decoding such a picture whole would take a great deal of memory.
// Formats whose decoder scales while reading (JPEG) may be far larger.
constexpr qint64 kMaxPicturePixels = 2048 * 2048;
constexpr qint64 kMaxScaledPicturePixels = 16384LL * 16384;

// The picture at `path` at `size` (device pixels); a null image when it cannot be
// read, with the reason in `error`. The format is found from the file's contents, whatever its name.
QImage ReadCardPicture(const QString& path, QSize size, QString* error);

// What a cell shows for a face that cannot be loaded: the card's number on a
// plain card, so that what the player sees always matches the game.
QPixmap StandInFace(int value, QSize size, qreal devicePixelRatio);

class CardPictures {
public:
    struct Picture {
        QPixmap pixmap;  // null when the file could not be loaded
        QString error;   // why not, naming the file
        bool reported = false;
    };

    explicit CardPictures(QSize shownSize) : shownSize_(shownSize) {}

    // The picture at `path`, read on first use and kept until Clear.
    Picture& Get(const QString& path, qreal devicePixelRatio);
    void Clear() { pictures_.clear(); }

private:
    QSize shownSize_;
    QHash<QString, Picture> pictures_;
};
