#include "CardArt.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

void DrawEmoji(QPainter& painter, const QRectF& box, const char* emoji) {
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(int(box.height() * 0.72));
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, QString::fromUtf8(emoji));
}

}  // namespace

const std::vector<CardSetArt>& BundledSets() {
    static const std::vector<CardSetArt> sets = {
        {"animals",
         {"🐶", "🐱", "🐭", "🐹", "🐰", "🦊", "🐻", "🐼", "🐨", "🐯", "🦁", "🐮", "🐷", "🐸", "🐵", "🐔", "🐧", "🐙"},
         {"dog", "cat", "mouse", "hamster", "rabbit", "fox", "bear", "panda", "koala", "tiger", "lion", "cow", "pig",
          "frog", "monkey", "chicken", "penguin", "octopus"},
         {},
         "🐾", QColor(46, 125, 50)},
        {"fruit",
         {"🍎", "🍐", "🍊", "🍋", "🍌", "🍉", "🍇", "🍓", "🍒", "🍑", "🥭", "🍍", "🥥", "🥝", "🍅", "🥑", "🍈", "🫐"},
         {"apple", "pear", "tangerine", "lemon", "banana", "watermelon", "grapes", "strawberry", "cherries", "peach",
          "mango", "pineapple", "coconut", "kiwi fruit", "tomato", "avocado", "melon", "blueberries"},
         {},
         "🧺", QColor(198, 40, 40)},
        // Flags told apart by colour alone (France, Italy, Ireland) would be one card to a
        // player who cannot tell red from green: each carries its country's code as well.
        {"flags",
         {"🇫🇷", "🇩🇪", "🇮🇹", "🇪🇸", "🇬🇧", "🇺🇸", "🇯🇵", "🇨🇦", "🇧🇷", "🇸🇪", "🇨🇭", "🇬🇷", "🇮🇪", "🇳🇴", "🇫🇮", "🇰🇷",
          "🇦🇺", "🇮🇳"},
         {"France", "Germany", "Italy", "Spain", "United Kingdom", "United States", "Japan", "Canada", "Brazil",
          "Sweden", "Switzerland", "Greece", "Ireland", "Norway", "Finland", "South Korea", "Australia", "India"},
         {"FR", "DE", "IT", "ES", "GB", "US", "JP", "CA", "BR", "SE", "CH", "GR", "IE", "NO", "FI", "KR", "AU", "IN"},
         "🌍", QColor(21, 101, 192)},
    };
    return sets;
}

QImage Face(const CardSetArt& set, int index) {
    QImage image(kCardSize, kCardSize, QImage::Format_RGB888);
    image.fill(QColor(255, 253, 240));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setPen(QPen(QColor(200, 190, 160), 3));
    painter.drawRoundedRect(QRectF(2.5, 2.5, kCardSize - 5, kCardSize - 5), 12, 12);
    const char* label = set.labels[index];
    if (!label) {
        DrawEmoji(painter, QRectF(0, 4, kCardSize, kCardSize - 4), set.faces[index]);
        return image;
    }
    DrawEmoji(painter, QRectF(8, 2, kCardSize - 16, 78), set.faces[index]);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(QRectF(0, 78, kCardSize, 36), Qt::AlignCenter, QString::fromLatin1(label));
    return image;
}

QImage Back(const CardSetArt& set, int size, bool icon) {
    // Drawn at the card's size and scaled, so that every size shows the same picture.
    const double s = size / double(kCardSize);
    QImage image(size, size, icon ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    image.fill(icon ? QColor(Qt::transparent) : set.backColour);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(s, s);
    QPainterPath card;
    card.addRoundedRect(QRectF(1, 1, kCardSize - 2, kCardSize - 2), 12, 12);
    if (icon) {  // a card with round corners on nothing
        painter.fillPath(card, set.backColour);
        painter.setClipPath(card);
    }
    painter.setPen(QPen(set.backColour.lighter(130), 4));
    for (int d = -kCardSize; d < kCardSize; d += 16) {
        painter.drawLine(d, 0, d + kCardSize, kCardSize);
        painter.drawLine(d + kCardSize, 0, d, kCardSize);
    }
    painter.setClipping(false);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(QPointF(kCardSize / 2.0, kCardSize / 2.0), 34, 34);
    DrawEmoji(painter, QRectF(26, 28, 68, 66), set.backSymbol);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5));
    painter.drawRoundedRect(QRectF(3.5, 3.5, kCardSize - 7, kCardSize - 7), 12, 12);
    return image;
}

bool WriteFaceNames(const CardSetArt& set, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    for (const char* name : set.names) file.write(QByteArray(name) + '\n');
    return file.flush();
}
