#include "ui/CardPictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QImageReader>
#include <QPainter>

namespace {

// A second guard for formats whose header gives no size: no decode above this.
constexpr int kAllocationLimitMB = 32;

uint32_t LittleEndian(const QByteArray& bytes, int at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

// Whether a BMP file holds less than its header says: the file's size it gives, or
// for uncompressed pixels the rows it needs. Qt's reader would draw the missing rows
// black without a word.
bool BmpCutShort(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;  // the reader says why
    const QByteArray header = file.read(34);
    if (header.size() < 34 || !header.startsWith("BM")) return false;
    const qint64 size = file.size();
    const uint32_t stated = LittleEndian(header, 2, 4), pixelsAt = LittleEndian(header, 10, 4);
    const int64_t width = int32_t(LittleEndian(header, 18, 4)), height = int32_t(LittleEndian(header, 22, 4));
    const uint32_t bits = LittleEndian(header, 28, 2), compression = LittleEndian(header, 30, 4);
    if (stated > size) return true;
    if (compression != 0 || width <= 0 || bits == 0) return false;
    const int64_t rowBytes = (width * bits + 31) / 32 * 4;
    return int64_t(pixelsAt) + rowBytes * (height < 0 ? -height : height) > size;
}

// Whether a JPEG file is progressive (or otherwise multi-scan): its decoder keeps
// every coefficient of the whole picture, two bytes a sample, whatever the scaled
// size, so it is held to the limit of pictures decoded whole. The frame header's
// marker tells: SOF2, SOF6, SOF10 and SOF14 are the progressive ones.
bool ProgressiveJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(64 * 1024);  // the frame header comes before any pixel
    if (!head.startsWith("\xff\xd8")) return false;
    for (qsizetype at = 2; at + 4 <= head.size();) {
        if (uint8_t(head[at]) != 0xff) return false;
        const uint8_t marker = uint8_t(head[at + 1]);
        if (marker == 0xff) {  // fill byte
            ++at;
            continue;
        }
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc)
            return (marker & 0x03) == 0x02;
        at += 2 + (uint8_t(head[at + 2]) << 8 | uint8_t(head[at + 3]));
    }
    return false;
}

}  // namespace

QImage ReadCardPicture(const QString& path, QSize size, QString* error) {
    if (BmpCutShort(path)) {
        *error = QCoreApplication::translate("CardPictures", "Cannot load the card picture %1: the file is cut short").arg(path);
        return {};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setDecideFormatFromContent(true);  // any format Qt reads, under the set's file names
    reader.setAllocationLimit(kAllocationLimitMB);
    const QSize stored = reader.size();
    if (stored.isValid()) {
        const qint64 pixels = qint64(stored.width()) * stored.height();
        // JPEG's decoder reduces while it decodes; others (PNG among them) decode the
        // whole picture first, whatever they say of scaled reading.
        const bool scalesWhileReading = reader.format() == "jpeg" && !ProgressiveJpeg(path);
        if (pixels > (scalesWhileReading ? kMaxScaledPicturePixels : kMaxPicturePixels)) {
            *error = QCoreApplication::translate("CardPictures", "Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)")
                         .arg(path)
                         .arg(stored.width())
                         .arg(stored.height());
            return {};
        }
    }
    reader.setScaledSize(size);
    QImage picture = reader.read();
    if (picture.isNull())
        *error = QCoreApplication::translate("CardPictures", "Cannot load the card picture %1: %2").arg(path, reader.errorString());
    else if (picture.size() != size)  // a decoder that scaled only part of the way
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

QPixmap StandInFace(int value, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(QPointF(0, 0), QSizeF(size));
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    painter.drawRect(card.adjusted(1, 1, -1, -1));
    QFont font;
    font.setPixelSize(size.height() / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(card, Qt::AlignCenter, QString::number(value));
    return pixmap;
}

CardPictures::Picture& CardPictures::Get(const QString& path, qreal devicePixelRatio) {
    auto found = pictures_.find(path);
    if (found != pictures_.end()) return *found;
    Picture picture;
    const QImage image = ReadCardPicture(path, shownSize_ * devicePixelRatio, &picture.error);
    if (!image.isNull()) {
        picture.pixmap = QPixmap::fromImage(image);
        picture.pixmap.setDevicePixelRatio(devicePixelRatio);
    }
    return *pictures_.insert(path, picture);
}
