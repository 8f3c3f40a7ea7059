// The game's memory whatever the pictures: a card set of the largest pictures the
// game accepts (2048 × 2048, and 8192 × 8192 for JPEG), one picture of 10,000 ×
// 10,000 pixels, a game played through
// with them, and the peak memory of that process measured from outside.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/CardPictures.h"

#ifndef PICTURE_MEMORY_PROBE
#error "PICTURE_MEMORY_PROBE names the probe program"
#endif

namespace {

constexpr long kPeakLimitKiB = 80 * 1024;

// A picture of `side` × `side` pixels, stored compressed under a ".bmp" name as the
// set's files are; PNG keeps the files small whatever their pixel count.
void SavePicture(const QString& path, int side, QImage::Format format, const char* type = "PNG") {
    QImage picture(side, side, format);
    picture.fill(Qt::color1);
    ASSERT_TRUE(picture.save(path, type)) << path.toStdString();
}

void SaveProgressiveJpeg(const QString& path, int side) {
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QImageWriter writer(path, "JPEG");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(picture)) << path.toStdString();
}

// Runs the probe on `programFolder`; its peak resident memory in KiB, or -1.
long PeakOfGame(const QString& programFolder) {
    const pid_t game = ::fork();
    if (game == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const QByteArray folder = QFile::encodeName(programFolder);
        ::execl(PICTURE_MEMORY_PROBE, PICTURE_MEMORY_PROBE, folder.constData(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(game, &status, 0, &usage) != game || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss;
}

}  // namespace

TEST(PictureMemory, HugePicturesAreRefusedAndTheLargestAcceptedStayWithinTheLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own memory would be measured";
#endif
    QTemporaryDir dir;
    const QString set = dir.filePath(QStringLiteral("gfx/animals/"));
    ASSERT_TRUE(QDir().mkpath(set));
    SavePicture(set + QStringLiteral("space.bmp"), 2048, QImage::Format_RGB32);
    SavePicture(set + QStringLiteral("1.bmp"), 10000, QImage::Format_Mono);
    // JPEG's decoder reduces while it decodes: far larger pictures are fine.
    SavePicture(set + QStringLiteral("2.bmp"), 8192, QImage::Format_Grayscale8, "JPEG");
    // A progressive JPEG keeps all of its coefficients: it is held to the whole-picture
    // limit (its maximum accepted, and one over it).
    SaveProgressiveJpeg(set + QStringLiteral("4.bmp"), 2048);
    SaveProgressiveJpeg(set + QStringLiteral("5.bmp"), 6000);
    for (int value = 6; value <= 18; ++value)
        ASSERT_TRUE(QFile::copy(set + QStringLiteral("space.bmp"), set + QString::number(value) + QStringLiteral(".bmp")));

    QString error;
    EXPECT_TRUE(ReadCardPicture(set + QStringLiteral("1.bmp"), QSize(60, 60), &error).isNull());
    EXPECT_NE(error.indexOf(QStringLiteral("the picture is too large (10000 × 10000 pixels)")), -1) << error.toStdString();
    ASSERT_TRUE(QFile::copy(set + QStringLiteral("space.bmp"), set + QStringLiteral("3.bmp")));
    EXPECT_TRUE(ReadCardPicture(set + QStringLiteral("5.bmp"), QSize(60, 60), &error).isNull());
    EXPECT_NE(error.indexOf(QStringLiteral("the picture is too large (6000 × 6000 pixels)")), -1) << error.toStdString();
    for (const char* name : {"2.bmp", "3.bmp", "4.bmp"})
        EXPECT_EQ(ReadCardPicture(set + QLatin1String(name), QSize(60, 60), &error).size(), QSize(60, 60)) << name;

    const long peak = PeakOfGame(dir.path());
    ASSERT_GT(peak, 0) << "the game did not play through";
    EXPECT_LT(peak, kPeakLimitKiB) << "peak memory " << peak / 1024 << " MiB";
    RecordProperty("peak_kib", int(peak));
}
