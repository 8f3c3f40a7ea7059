#include "ui/CardSetMaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/SetFolders.h"
#include "model/SystemError.h"

namespace {


// A chosen picture, opened without waiting (a pipe under a picture's name would wait
// for a writer for ever) and read only when it is a regular file.
QImage ReadPicture(const QString& path, QString& problem) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        problem = QStringLiteral("%1: %2").arg(path, SystemReason(errno));
        if (fd >= 0) ::close(fd);
        return {};
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        problem = QCoreApplication::translate("CardSetMaker", "%1: not a regular file").arg(path);
        return {};
    }
    QFile file(path);  // the name only tells the reader its suffix: the file read is the one opened
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // Qt refuses to decode past its allocation limit with a vague text; say the size.
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();  // 16-bit PNGs decode at 8 bytes a pixel
    const qint64 bitsPerPixel = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isValid() && qint64(size.width()) * size.height() * bitsPerPixel / 8 > qint64(QImageReader::allocationLimit()) * 1024 * 1024) {
        problem = QCoreApplication::translate("CardSetMaker", "%1: the picture is too large (%2 × %3 pixels)").arg(path).arg(size.width()).arg(size.height());
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull()) problem = QStringLiteral("%1: %2").arg(path, reader.errorString());
    return picture;
}

QByteArray Bmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
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

QString MakeCardSet(const QString& folder, const QString& back, const QStringList& faces, const MakeProgress& progress) {
    if (faces.size() != kPicturesInASet - 1)
        return QCoreApplication::translate("CardSetMaker", "%1 pictures given; a set takes %2: the back, then 18 faces").arg(faces.size() + 1).arg(kPicturesInASet);
    if (const QString problem = SetNameProblem(QFileInfo(QDir::cleanPath(folder)).fileName()); !problem.isEmpty())
        return QCoreApplication::translate("CardSetMaker", "cannot make the set %1: %2").arg(folder, problem);
    const QString cancelled = QCoreApplication::translate("CardSetMaker", "the making was cancelled");
    const int steps = 2 * kPicturesInASet + 1;
    int done = 0;
    const auto step = [&] { return !progress || progress(++done, steps); };

    const QStringList pictures = QStringList{back} + faces;
    QList<QImage> cards;
    for (const QString& path : pictures) {
        QString problem;
        const QImage picture = ReadPicture(path, problem);
        if (picture.isNull()) return problem;
        cards << FitToCard(picture);
        if (!step()) return cancelled;
    }
    for (int i = 0; i < cards.size(); ++i)
        for (int j = i + 1; j < cards.size(); ++j)
            if (SamePicture(cards[i], cards[j]))
                return QCoreApplication::translate("CardSetMaker", "%1 and %2 are the same picture: %3")
                    .arg(pictures[i], pictures[j],
                         i == 0 ? QCoreApplication::translate("CardSetMaker", "a face like the back could not be told from it")
                                : QCoreApplication::translate("CardSetMaker", "two faces alike make a set that cannot be won without losing points"));

    SetUnderConstruction making(folder);
    if (!making.Problem().isEmpty()) return making.Problem();
    QStringList names;
    for (int i = 0; i < cards.size(); ++i) {
        const QString name = i == 0 ? QStringLiteral("space.bmp") : QStringLiteral("%1.bmp").arg(i);
        if (const QString problem = making.Write(name, Bmp(cards[i])); !problem.isEmpty()) return problem;
        if (i > 0) names << FaceNameFromFile(pictures[i]);
        if (!step()) return cancelled;
    }
    if (const QString problem = making.Write(QStringLiteral("names.txt"), names.join(QLatin1Char('\n')).toUtf8() + '\n');
        !problem.isEmpty())
        return problem;
    if (const QString problem = making.PutInPlace(); !problem.isEmpty()) return problem;
    step();
    return {};
}
