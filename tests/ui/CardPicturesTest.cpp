// Card pictures that are not what their names promise: refused with a message, never
// shown half black.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ui/CardPictures.h"

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
