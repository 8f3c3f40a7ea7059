#include "windows/NewSetDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "model/SettingsStore.h"

namespace {

// Every format this machine's Qt reads, and anything else on request.
QString PictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QCoreApplication::translate("NewSetDialogs", "Pictures (%1);;All files (*)").arg(patterns.join(QLatin1Char(' ')));
}

}  // namespace

std::optional<NewSetChoice> AskForNewSet(QWidget* parent) {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    NewSetChoice choice;
    choice.back = QFileDialog::getOpenFileName(parent, QCoreApplication::translate("NewSetDialogs", "Choose the picture for the card back"), pictures,
                                               PictureFilter());
    if (choice.back.isEmpty()) return std::nullopt;
    for (;;) {
        choice.faces = QFileDialog::getOpenFileNames(parent, QCoreApplication::translate("NewSetDialogs", "Choose 18 pictures for the faces"),
                                                     QFileInfo(choice.back).path(), PictureFilter());
        if (choice.faces.isEmpty()) return std::nullopt;
        if (choice.faces.size() == 18) break;
        QMessageBox::information(parent, QCoreApplication::translate("NewSetDialogs", "Make a card set"),
                                 QCoreApplication::translate("NewSetDialogs", "%1 pictures chosen; a set takes 18 faces. Please choose 18.")
                                     .arg(choice.faces.size()));
    }
    for (;;) {
        bool ok = false;
        choice.name = QInputDialog::getText(parent, QCoreApplication::translate("NewSetDialogs", "Make a card set"), QCoreApplication::translate("NewSetDialogs", "Name of the new set:"),
                                            QLineEdit::Normal, QString(), &ok)
                          .trimmed();
        if (!ok) return std::nullopt;
        if (IsValidCardSetName(choice.name) && !choice.name.startsWith(QLatin1Char('.'))) return choice;
        QMessageBox::information(parent, QCoreApplication::translate("NewSetDialogs", "Make a card set"),
                                 QCoreApplication::translate("NewSetDialogs", "A set's name is a folder's name: not empty, without \"/\" or \"\\\", "
                                                                             "and not beginning with \".\"."));
    }
}
