// Renders Quorvix's card sets from the Noto Color Emoji font (SIL Open Font
// License 1.1, Debian package fonts-noto-color-emoji): 18 faces "1.bmp".."18.bmp"
// and a back "space.bmp" per set, 24-bit BMP, 120 x 120 pixels so the 60-pixel
// cards stay crisp at 200 % scaling.
//
// Usage: cardgen OUTPUT_FOLDER [ICON.png]
//   writes OUTPUT_FOLDER/<set>/..., and the program's picture when ICON.png is given
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int kSize = 120;

struct CardSet {
    const char* name;
    const char* faces[18];
    const char* backSymbol;
    QColor backColour;
};

const CardSet kSets[] = {
    {"animals",
     {"🐶", "🐱", "🐭", "🐹", "🐰", "🦊", "🐻", "🐼", "🐨", "🐯", "🦁", "🐮", "🐷", "🐸", "🐵", "🐔", "🐧", "🐙"},
     "🐾", QColor(46, 125, 50)},
    {"fruit",
     {"🍎", "🍐", "🍊", "🍋", "🍌", "🍉", "🍇", "🍓", "🍒", "🍑", "🥭", "🍍", "🥥", "🥝", "🍅", "🥑", "🍈", "🫐"},
     "🧺", QColor(198, 40, 40)},
    {"flags",
     {"🇫🇷", "🇩🇪", "🇮🇹", "🇪🇸", "🇬🇧", "🇺🇸", "🇯🇵", "🇨🇦", "🇧🇷", "🇸🇪", "🇨🇭", "🇬🇷", "🇮🇪", "🇳🇴", "🇫🇮", "🇰🇷",
      "🇦🇺", "🇮🇳"},
     "🌍", QColor(21, 101, 192)},
};

void DrawEmoji(QPainter& painter, const QRectF& box, const char* emoji) {
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(int(box.height() * 0.72));
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, QString::fromUtf8(emoji));
}

QImage Face(const char* emoji) {
    QImage image(kSize, kSize, QImage::Format_RGB888);
    image.fill(QColor(255, 253, 240));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setPen(QPen(QColor(200, 190, 160), 3));
    painter.drawRoundedRect(QRectF(2.5, 2.5, kSize - 5, kSize - 5), 12, 12);
    DrawEmoji(painter, QRectF(0, 4, kSize, kSize - 4), emoji);
    return image;
}

QImage Back(const CardSet& set) {
    QImage image(kSize, kSize, QImage::Format_RGB888);
    image.fill(set.backColour);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QPen(set.backColour.lighter(130), 4));
    for (int d = -kSize; d < kSize; d += 16) {
        painter.drawLine(d, 0, d + kSize, kSize);
        painter.drawLine(d + kSize, 0, d, kSize);
    }
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(QPointF(kSize / 2.0, kSize / 2.0), 34, 34);
    DrawEmoji(painter, QRectF(26, 28, 68, 66), set.backSymbol);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5));
    painter.drawRoundedRect(QRectF(3.5, 3.5, kSize - 7, kSize - 7), 12, 12);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: cardgen OUTPUT_FOLDER [ICON.png]\n");
        return 2;
    }
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"))) {
        std::fprintf(stderr, "cardgen: the font 'Noto Color Emoji' is missing (apt-get install fonts-noto-color-emoji)\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const CardSet& set : kSets) {
        const QString folder = out.filePath(QString::fromLatin1(set.name));
        QDir().mkpath(folder);
        for (int i = 0; i < 18; ++i)
            if (!Face(set.faces[i]).save(folder + QStringLiteral("/%1.bmp").arg(i + 1), "BMP")) return 1;
        if (!Back(set).save(folder + QStringLiteral("/space.bmp"), "BMP")) return 1;
    }
    if (argc == 3 && !Back(kSets[0]).scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .save(QString::fromLocal8Bit(argv[2]), "PNG"))
        return 1;
    return 0;
}
