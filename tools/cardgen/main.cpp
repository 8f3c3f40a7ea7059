// Makes Quorvix's pictures: the bundled card sets and the program's icons, rendered
// from the Noto Color Emoji font (SIL Open Font License 1.1, Debian package
// fonts-noto-color-emoji), and card sets from a player's own pictures.
//
// Usage:
//   cardgen sets FOLDER           the bundled sets into FOLDER/<set>/ (the repository's gfx/)
//   cardgen icons FOLDER          the hicolor icons into FOLDER/hicolor/<size>/apps/, and
//                                 FOLDER/../quorvix.png, the about window's picture
//   cardgen make SET BACK FACE... a set from any 18 pictures and a back, in any format Qt
//                                 reads: scaled to the cards' size and named as the game
//                                 expects (space.bmp, 1.bmp .. 18.bmp), into the folder SET
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cstdio>

#include "CardArt.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: cardgen sets FOLDER\n"
                 "       cardgen icons FOLDER\n"
                 "       cardgen make SET BACK FACE1 .. FACE18\n");
    return 2;
}

bool HaveFont() {
    if (QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"))) return true;
    std::fprintf(stderr, "cardgen: the font 'Noto Color Emoji' is missing (apt-get install fonts-noto-color-emoji)\n");
    return false;
}

bool Save(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).path());
    if (image.save(path, format)) return true;
    std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
    return false;
}

int Sets(const QString& folder) {
    if (!HaveFont()) return 1;
    for (const CardSetArt& set : BundledSets()) {
        const QString setFolder = QDir(folder).filePath(QString::fromLatin1(set.name));
        for (int i = 0; i < 18; ++i)
            if (!Save(Face(set, i), setFolder + QStringLiteral("/%1.bmp").arg(i + 1), "BMP")) return 1;
        if (!Save(Back(set, kCardSize), setFolder + QStringLiteral("/space.bmp"), "BMP")) return 1;
        if (!WriteFaceNames(set, setFolder + QStringLiteral("/names.txt"))) return 1;
    }
    return 0;
}

int Icons(const QString& folder) {
    if (!HaveFont()) return 1;
    const CardSetArt& animals = BundledSets().front();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("hicolor/%1x%1/apps/com.dravontek.Quorvix.png").arg(size));
        if (!Save(Back(animals, size, true), path, "PNG")) return 1;
    }
    return Save(Back(animals, 96, true), QDir(folder).filePath(QStringLiteral("../quorvix.png")), "PNG") ? 0 : 1;
}

// A player's pictures, each scaled to fill the card (cut to a square from its middle).
// All are read before any is written, so a bad picture leaves no half-made set.
int Make(const QString& folder, const QStringList& pictures) {
    if (pictures.size() != 19) return Usage();
    QList<QImage> cards;
    for (const QString& path : pictures) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage picture = reader.read();
        if (picture.isNull()) {
            std::fprintf(stderr, "cardgen: %s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
            return 1;
        }
        cards << FitToCard(picture);
    }
    for (int i = 0; i < 19; ++i) {
        const QString name = i == 0 ? QStringLiteral("space.bmp") : QStringLiteral("%1.bmp").arg(i);
        if (!Save(cards[i], QDir(folder).filePath(name), "BMP")) return 1;
    }
    std::printf("cardgen: made the card set %s\n", qPrintable(QDir(folder).absolutePath()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QStringLiteral("sets")) return Sets(args[1]);
    if (args.size() == 2 && args[0] == QStringLiteral("icons")) return Icons(args[1]);
    if (args.size() >= 2 && args[0] == QStringLiteral("make")) return Make(args[1], args.mid(2));
    return Usage();
}
