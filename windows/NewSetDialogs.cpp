#include "windows/NewSetDialogs.h"

#include <QCoreApplication>

#include <atomic>
#include <memory>
#include <QFileDialog>
#include <QImageReader>
#include <QInputDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QStandardPaths>

#include "model/SetFolders.h"
#include "model/SettingsStore.h"
#include "ui/CardSetMaker.h"

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
        const QString tooLong = SetNameProblem(choice.name);
        if (IsValidCardSetName(choice.name) && !choice.name.startsWith(QLatin1Char('.')) && tooLong.isEmpty()) return choice;
        if (!tooLong.isEmpty()) {
            QMessageBox::information(parent, QCoreApplication::translate("NewSetDialogs", "Make a card set"), tooLong);
            continue;
        }
        QMessageBox::information(parent, QCoreApplication::translate("NewSetDialogs", "Make a card set"),
                                 QCoreApplication::translate("NewSetDialogs", "A set's name is a folder's name: not empty, without \"/\" or \"\\\", "
                                                                             "and not beginning with \".\"."));
    }
}

std::optional<QString> MakeSetShowingProgress(QWidget* parent, const QString& folder, const NewSetChoice& choice) {
    QProgressDialog progress(QCoreApplication::translate("NewSetDialogs", "Making the set \u201c%1\u201d\u2026").arg(choice.name),
                             QCoreApplication::translate("NewSetDialogs", "Cancel"), 0, 1, parent);
    progress.setObjectName(QStringLiteral("MakingProgress"));
    progress.setWindowTitle(QCoreApplication::translate("NewSetDialogs", "Make a card set"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);  // a quick make shows no window at all
    progress.setMinimumWidth(360);      // the title whole, beside the window's buttons
    progress.setValue(0);
    std::atomic<bool> cancelled{false};
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
    QString problem;
    // The pictures are read and written on a thread of their own: the windows keep
    // painting, and Cancel is heard between two pictures.
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        problem = MakeCardSet(folder, choice.back, choice.faces, [&](int done, int total) {
            QMetaObject::invokeMethod(
                &progress,
                [&progress, done, total] {
                    progress.setMaximum(total);
                    if (!progress.wasCanceled()) progress.setValue(done);
                },
                Qt::QueuedConnection);
            return !cancelled;
        });
    }));
    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec();
    worker->wait();
    if (cancelled) return std::nullopt;
    return problem;
}
