// Makes Quorvix's pictures: the bundled card sets and the program's icons, rendered
// from the Noto Color Emoji font (SIL Open Font License 1.1, Debian package
// fonts-noto-color-emoji), and card sets from a player's own pictures.
//
// Usage:
//   cardgen sets FOLDER           the bundled sets into FOLDER/<set>/ (the repository's gfx/)
//   cardgen icons FOLDER          the hicolor icons into FOLDER/hicolor/<size>/apps/, and
//                                 FOLDER/../quorvix.png, the about window's picture
//   cardgen make SET BACK FACE... a set from a back and 18 pictures, in any format Qt
//                                 reads: scaled to the cards' size and named as the game
//                                 expects (space.bmp, 1.bmp .. 18.bmp, names.txt from the
//                                 faces' file names), into the folder SET
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
#include "ui/CardSetMaker.h"

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

// A player's set, made as the options window makes one.
int Make(const QString& folder, const QStringList& pictures) {
    const QString problem = pictures.isEmpty() ? QStringLiteral("no pictures given; a set takes 19: the back, then 18 faces")
                                               : MakeCardSet(folder, pictures.front(), pictures.mid(1));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "cardgen: %s\n", qPrintable(problem));
        return pictures.size() == kPicturesInASet ? 1 : 2;
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
