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
#include <QTemporaryDir>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

// Writes a file whole and makes sure it reached the disk: a full disk is caught here,
// not in a picture cut short.
bool SaveWhole(const QImage& image, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !file.flush() || ::fsync(file.handle()) != 0) {
        std::fprintf(stderr, "cardgen: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    file.close();
    return file.error() == QFile::NoError;
}

// Puts the made set where the old one (if any) was, in two renames; the old set goes
// only once the new one is in place.
bool MoveIntoPlace(const QString& made, const QString& folder) {
    const QFileInfo target(folder);
    const QString old = target.path() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".old");
    QDir(old).removeRecursively();
    const bool hadOne = target.exists();
    if (hadOne && !QDir().rename(folder, old)) return false;
    if (!QDir().rename(made, folder)) {
        if (hadOne) QDir().rename(old, folder);
        return false;
    }
    QDir(old).removeRecursively();
    return true;
}

// A player's pictures, each scaled to fill the card (cut to a square from its middle).
// All are read before any is written, and the set is made in a hidden folder beside
// its place and moved there only when every file is on the disk: a bad picture or a
// full disk leaves no half-made set for the game to deal.
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
    const QFileInfo target(folder);
    if (!QDir().mkpath(target.path())) {
        std::fprintf(stderr, "cardgen: cannot make the folder %s\n", qPrintable(target.path()));
        return 1;
    }
    QTemporaryDir making(target.path() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".making-XXXXXX"));
    if (!making.isValid()) {
        std::fprintf(stderr, "cardgen: cannot write in %s: %s\n", qPrintable(target.path()), qPrintable(making.errorString()));
        return 1;
    }
    for (int i = 0; i < 19; ++i) {
        const QString name = i == 0 ? QStringLiteral("space.bmp") : QStringLiteral("%1.bmp").arg(i);
        if (!SaveWhole(cards[i], making.filePath(name))) return 1;  // the hidden folder goes with `making`
    }
    ::chmod(QFile::encodeName(making.path()).constData(), 0755);  // as a folder made by mkdir
    if (!MoveIntoPlace(making.path(), folder)) {
        std::fprintf(stderr, "cardgen: cannot put the set in place at %s\n", qPrintable(folder));
        return 1;
    }
    making.setAutoRemove(false);
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
