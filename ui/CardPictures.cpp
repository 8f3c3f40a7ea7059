#include "ui/CardPictures.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>

namespace {

// A second guard for formats whose header gives no size: no decode above this.
constexpr int kAllocationLimitMB = 32;

}  // namespace

QImage ReadCardPicture(const QString& path, QSize size, QString* error) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setDecideFormatFromContent(true);  // any format Qt reads, under the set's file names
    reader.setAllocationLimit(kAllocationLimitMB);
    const QSize stored = reader.size();
    if (stored.isValid()) {
        const qint64 pixels = qint64(stored.width()) * stored.height();
        // JPEG's decoder reduces while it decodes; others (PNG among them) decode the
        // whole picture first, whatever they say of scaled reading.
        const bool scalesWhileReading = reader.format() == "jpeg";
        if (pixels > (scalesWhileReading ? kMaxScaledPicturePixels : kMaxPicturePixels)) {
            *error = QStringLiteral("Cannot load the card picture %1: the picture is too large (%2 × %3 pixels)")
                         .arg(path)
                         .arg(stored.width())
                         .arg(stored.height());
            return {};
        }
    }
    reader.setScaledSize(size);
    QImage picture = reader.read();
    if (picture.isNull())
        *error = QStringLiteral("Cannot load the card picture %1: %2").arg(path, reader.errorString());
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
