// libFuzzer: any settings file and any values. After the values are set in the text,
// QSettings must read back exactly those values, whatever else the file held.
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

#include "model/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static int file = 0;
    // The input: a value for "cards", a NUL, a value for "path", a NUL, the file's text.
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\0');
    if (parts.size() < 3) return 0;
    const QString cards = QString::fromUtf8(parts[0]), path = QString::fromUtf8(parts[1]);
    const QByteArray text = input.mid(parts[0].size() + parts[1].size() + 2);
    const QByteArray saved = SetIniValues(text, {{"cards", EncodeIniString(cards)}, {"delay", "250"}, {"path", EncodeIniString(path)}});
    // A file of its own each time: QSettings keeps what it read of a file by name.
    const QString name = dir.filePath(QString::number(++file % 1000000) + QStringLiteral(".ini"));
    QFile out(name);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(saved) != saved.size()) std::abort();
    out.close();
    QSettings read(name, QSettings::IniFormat);
    if (read.value(QStringLiteral("cards")).toString() != cards || read.value(QStringLiteral("delay")).toInt() != 250 ||
        read.value(QStringLiteral("path")).toString() != path)
        std::abort();
    QFile::remove(name);
    return 0;
}
