// Card pictures that are not what their names promise: refused with a message, never
// shown half black.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ui/CardPictures.h"
#include "ui/CardSetMaker.h"

TEST(CardPictures, CutAndFalsePicturesAreRefused) {
    QTemporaryDir dir;
    QImage whole(60, 60, QImage::Format_RGB32);
    whole.fill(Qt::red);
    const QString path = dir.filePath(QStringLiteral("5.bmp"));
    ASSERT_TRUE(whole.save(path, "BMP"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    struct Row {
        const char* name;
        QByteArray content;
        const char* error;  // in the message; empty: read
    };
    const Row rows[] = {
        {"whole", bytes, ""},
        {"cut in its pixels", bytes.left(bytes.size() / 2), "cut short"},
        {"cut by one byte", bytes.left(bytes.size() - 1), "cut short"},
        {"its header only", bytes.left(54), "cut short"},
        {"text under a picture's name", "not a picture\n", "Cannot load the card picture"},
    };
    for (const Row& row : rows) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(row.content);
        out.close();
        QString error;
        const QImage picture = ReadCardPicture(path, QSize(30, 30), &error);
        EXPECT_EQ(picture.isNull(), *row.error != '\0') << row.name;
        EXPECT_TRUE(error.contains(QLatin1String(row.error))) << row.name << ": " << error.toStdString();
    }
}

// A set made step by step, each step told against the whole; a make stopped part way
// leaves the set that was there, and nothing hidden beside it.
TEST(CardSetMaker, ToldStepByStepAndStoppedWhenAsked) {
    QTemporaryDir dir;
    QStringList pictures;
    for (int i = 0; i < kPicturesInASet; ++i) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 19, 200, 200));
        pictures << dir.filePath(QStringLiteral("%1.png").arg(i));
        ASSERT_TRUE(picture.save(pictures.back()));
    }
    const QString sets = dir.filePath(QStringLiteral("sets"));
    for (const int stopAt : {0, 3, 25}) {  // 0: never stopped
        QList<QPair<int, int>> told;
        const QString problem = MakeCardSet(sets + QStringLiteral("/mine"), pictures[0], pictures.mid(1), [&](int done, int total) {
            told << qMakePair(done, total);
            return done != stopAt;
        });
        EXPECT_EQ(problem, stopAt ? QStringLiteral("the making was cancelled") : QString()) << stopAt;
        ASSERT_EQ(told.size(), stopAt ? stopAt : 2 * kPicturesInASet + 1) << stopAt;
        for (int i = 0; i < told.size(); ++i) EXPECT_EQ(told[i], qMakePair(i + 1, 2 * kPicturesInASet + 1)) << stopAt;
        EXPECT_EQ(QDir(sets).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"mine"}) << stopAt;
    }
}
