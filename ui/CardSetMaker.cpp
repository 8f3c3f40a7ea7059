#include "ui/CardSetMaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes a picture whole and makes sure it reached the disk: a full disk is caught
// here, not in a picture cut short.
QString SaveWhole(const QImage& image, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !file.flush() || ::fsync(file.handle()) != 0)
        return QCoreApplication::translate("CardSetMaker", "cannot write %1: %2").arg(path, file.errorString());
    file.close();
    return file.error() == QFile::NoError ? QString() : QCoreApplication::translate("CardSetMaker", "cannot write %1: %2").arg(path, file.errorString());
}

QString SaveNames(const QStringList& names, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(names.join(QLatin1Char('\n')).toUtf8() + '\n') < 0 || !file.flush() ||
        ::fsync(file.handle()) != 0)
        return QCoreApplication::translate("CardSetMaker", "cannot write %1: %2").arg(path, file.errorString());
    return {};
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

}  // namespace

QImage FitToCard(const QImage& picture) {
    const int side = std::min(picture.width(), picture.height());
    const QImage square = picture.copy((picture.width() - side) / 2, (picture.height() - side) / 2, side, side);
    return square.scaled(kCardPictureSize, kCardPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

QString FaceNameFromFile(const QString& path) {
    QString name = QFileInfo(path).completeBaseName();
    for (QChar& c : name)
        if (c == QLatin1Char('_') || !c.isPrint()) c = QLatin1Char(' ');  // a line break would split names.txt
    return name.simplified();
}

bool SamePicture(const QImage& card, const QImage& other) {
    // Saved again as a JPEG or scaled from another size, a picture differs from itself
    // by a level or two on average; two different pictures by tens.
    constexpr double kMostDifference = 4.0;
    const QImage a = card.convertToFormat(QImage::Format_RGB888), b = other.convertToFormat(QImage::Format_RGB888);
    if (a.size() != b.size()) return false;
    int64_t difference = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int x = 0; x < a.width() * 3; ++x) difference += std::abs(int(p[x]) - int(q[x]));
    }
    return double(difference) / (double(a.width()) * a.height() * 3) < kMostDifference;
}

QString MakeCardSet(const QString& folder, const QString& back, const QStringList& faces) {
    if (faces.size() != kPicturesInASet - 1)
        return QCoreApplication::translate("CardSetMaker", "%1 pictures given; a set takes %2: the back, then 18 faces")
            .arg(faces.size() + 1)
            .arg(kPicturesInASet);
    const QStringList pictures = QStringList{back} + faces;
    QList<QImage> cards;
    for (const QString& path : pictures) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage picture = reader.read();
        if (picture.isNull()) return QStringLiteral("%1: %2").arg(path, reader.errorString());
        cards << FitToCard(picture);
    }
    for (int i = 0; i < cards.size(); ++i)
        for (int j = i + 1; j < cards.size(); ++j)
            if (SamePicture(cards[i], cards[j]))
                return QCoreApplication::translate("CardSetMaker", "%1 and %2 are the same picture: %3")
                    .arg(pictures[i], pictures[j],
                         i == 0 ? QCoreApplication::translate("CardSetMaker", "a face like the back could not be told from it")
                                : QCoreApplication::translate("CardSetMaker", "two faces alike make a set that cannot be won without losing points"));

    const QFileInfo target(folder);
    if (!QDir().mkpath(target.path())) return QCoreApplication::translate("CardSetMaker", "cannot make the folder %1").arg(target.path());
    QTemporaryDir making(target.path() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".making-XXXXXX"));
    if (!making.isValid()) return QCoreApplication::translate("CardSetMaker", "cannot write in %1: %2").arg(target.path(), making.errorString());
    QStringList names;
    for (int i = 0; i < cards.size(); ++i) {
        const QString name = i == 0 ? QStringLiteral("space.bmp") : QStringLiteral("%1.bmp").arg(i);
        const QString problem = SaveWhole(cards[i], making.filePath(name));
        if (!problem.isEmpty()) return problem;  // the hidden folder goes with `making`
        if (i > 0) names << FaceNameFromFile(pictures[i]);
    }
    const QString problem = SaveNames(names, making.filePath(QStringLiteral("names.txt")));
    if (!problem.isEmpty()) return problem;
    ::chmod(QFile::encodeName(making.path()).constData(), 0755);  // as a folder made by mkdir
    if (!MoveIntoPlace(making.path(), folder)) return QCoreApplication::translate("CardSetMaker", "cannot put the set in place at %1").arg(folder);
    making.setAutoRemove(false);
    return {};
}
