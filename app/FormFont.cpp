#include "FormFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont FormFont(int pixelSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), font.family(), QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
