// A world for window tests: a program folder with card sets, a working folder for
// "leads.dat", and the settings store redirected, all in a temporary folder.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <utility>

// Describes a window for a failure message: its class, caption and any text.
inline QString Describe(QWidget* window) {
    QString text = QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle());
    if (auto* box = qobject_cast<QMessageBox*>(window)) text += QStringLiteral(": ") + box->text();
    return text;
}

// Closes every modal window, innermost first, whether or not it would let itself be
// closed (the name entry refuses): done() ends each window's exec() directly.
inline void CloseModalWindows() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->hide();
    }
}

// Keeps a window test from waiting on an open window: once the test has failed (a
// check inside a modal window returns from its handler and leaves the window open),
// or when a modal window has stayed open for `limit`, it fails the test with what
// the window is and closes every modal window, so the test ends within seconds.
class ModalWatchdog {
public:
    explicit ModalWatchdog(std::chrono::milliseconds limit = std::chrono::seconds(5)) : limit_(limit) {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
        timer_.start();
    }

private:
    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            watched_ = nullptr;
            return;
        }
        if (modal != watched_) {
            watched_ = modal;
            openedAt_.start();
        }
        if (QTest::currentTestFailed()) {
            CloseModalWindows();
        } else if (openedAt_.elapsed() > limit_.count()) {
            const QByteArray message = ("A modal window stayed open: " + Describe(modal)).toUtf8();
            CloseModalWindows();
            QTest::qFail(message.constData(), __FILE__, __LINE__);
        }
    }

    std::chrono::milliseconds limit_;
    QTimer timer_;
    QPointer<QWidget> watched_;
    QElapsedTimer openedAt_;
};

class GameSandbox {
public:
    GameSandbox() {
        QDir(dir_.path()).mkpath(QStringLiteral("program/gfx"));
        QDir(dir_.path()).mkpath(QStringLiteral("work"));
        // The player's own card sets live in the data folder: one of the sandbox's.
        previousDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("config")));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir_.filePath(QStringLiteral("system")));
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(dir_.filePath(QStringLiteral("work")));
        AddCardSet(QStringLiteral("animals"));
        Current() = this;
    }
    ~GameSandbox() {
        CloseModalWindows();
        // An action still waiting would act on a later test's window, with this test's
        // variables gone; that its window never came is a failure of this test.
        const bool waiting = !pendingActions_.findChildren<QTimer*>().isEmpty();
        if (waiting && !QTest::currentTestFailed())
            QTest::qFail("A modal window the test waited for never appeared", __FILE__, __LINE__);
        Current() = nullptr;
        QDir::setCurrent(previousFolder_);
        qputenv("XDG_DATA_HOME", previousDataHome_);
    }

    static QObject* PendingActions() { return Current() ? &Current()->pendingActions_ : nullptr; }

    QString ProgramFolder() const { return dir_.filePath(QStringLiteral("program/")); }
    QString SettingsFile() const { return dir_.filePath(QStringLiteral("config/Dravontek/Quorvix.ini")); }
    QString LeadsFile() const { return dir_.filePath(QStringLiteral("work/leads.dat")); }
    QString UserSetsFolder() const { return dir_.filePath(QStringLiteral("data/Quorvix/gfx/")); }

    // Faces of distinct colours, named "face 1" .. "face 18"; `missingFace` leaves one
    // out, `withBack` the back, and `corruptFace` is a file that is no picture. In
    // the player's own folder when `user`.
    void AddCardSet(const QString& name, bool withBack = true, int missingFace = 0, int corruptFace = 0,
                    bool user = false) const {
        const QString folder = (user ? UserSetsFolder() : ProgramFolder() + QStringLiteral("gfx/")) + name + QLatin1Char('/');
        QDir().mkpath(folder);
        for (int value = 1; value <= 18; ++value) {
            if (value == missingFace) continue;
            if (value == corruptFace) {
                QFile file(folder + QString::number(value) + QStringLiteral(".bmp"));
                if (file.open(QIODevice::WriteOnly)) file.write("BM, then not a picture");  // damaged past its header
                continue;
            }
            QImage face(12, 12, QImage::Format_RGB888);
            face.fill(QColor::fromHsv(value * 19, 200, 220));
            face.save(folder + QString::number(value) + QStringLiteral(".bmp"), "BMP");
        }
        if (withBack) {
            QImage back(12, 12, QImage::Format_RGB888);
            back.fill(user ? QColor(120, 20, 160) : QColor(10, 90, 30));
            back.save(folder + QStringLiteral("space.bmp"), "BMP");
        }
        QFile names(folder + QStringLiteral("names.txt"));
        if (names.open(QIODevice::WriteOnly))
            for (int value = 1; value <= 18; ++value) names.write("face " + QByteArray::number(value) + '\n');
    }

    void WriteSettings(const QByteArray& ini) const {
        QDir().mkpath(dir_.filePath(QStringLiteral("config/Dravontek")));
        QFile file(SettingsFile());
        file.open(QIODevice::WriteOnly);
        file.write(ini);
    }

private:
    static GameSandbox*& Current() {
        static GameSandbox* current = nullptr;
        return current;
    }

    QTemporaryDir dir_;
    QString previousFolder_;
    QByteArray previousDataHome_;
    ModalWatchdog watchdog_;
    QObject pendingActions_;
};

// Closes every message box that appears while it lives, keeping their texts: for
// error reports, which a test counts rather than answers.
class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                texts << box->text();
                box->close();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

// Runs `action` on the next modal window that appears (the next one with that
// object name, when one is given), from the event loop that the window's own exec()
// runs. The sandbox of the test owns the waiting action.
inline void WhenModal(std::function<void(QWidget*)> action, const QString& objectName = QString()) {
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer(GameSandbox::PendingActions());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, before, action, objectName] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible()) return;
        if (!objectName.isEmpty() && modal->objectName() != objectName) return;
        timer->stop();
        timer->setParent(nullptr);  // no longer waiting
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// The card sets the options window lists, as shown, and whether each may be chosen.
inline std::pair<QStringList, QList<bool>> ListedCardSets(QWidget* options) {
    auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    std::pair<QStringList, QList<bool>> listed;
    for (int i = 0; i < combo->count(); ++i) {
        listed.first << combo->itemText(i);
        listed.second << model->item(i)->isEnabled();
    }
    return listed;
}

// The main function of a window test: the application object the game itself uses,
// then every test function of `TestClass`.
#define QUORVIX_WINDOW_TEST_MAIN(TestClass)                  \
    int main(int argc, char** argv) {                        \
        QuorvixApplication app(argc, argv);                  \
        TestClass test;                                      \
        return QTest::qExec(&test, argc, argv);              \
    }
