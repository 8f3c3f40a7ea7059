#include "ui/FormLook.h"

#include <QDialog>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

QFont FormFont(int pixelSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), font.family(), QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetUpFixedDialog(QDialog* dialog, const QString& name, const QString& title, const QSize& size) {
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    dialog->setModal(true);
    dialog->setFixedSize(size);
    dialog->setFont(FormFont(11));
    SetBackgroundColour(dialog, Qt::white);
}
