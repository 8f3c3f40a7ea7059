// A world for window tests: a program folder with card sets, a working folder for
// "leads.dat", and the settings store redirected, all in a temporary folder.
#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>

class GameSandbox {
public:
    GameSandbox() {
        QDir(dir_.path()).mkpath(QStringLiteral("program/gfx"));
        QDir(dir_.path()).mkpath(QStringLiteral("work"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("config")));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir_.filePath(QStringLiteral("system")));
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(dir_.filePath(QStringLiteral("work")));
        AddCardSet(QStringLiteral("animals"));
    }
    ~GameSandbox() { QDir::setCurrent(previousFolder_); }

    QString ProgramFolder() const { return dir_.filePath(QStringLiteral("program/")); }
    QString SettingsFile() const { return dir_.filePath(QStringLiteral("config/Dravontek/Quorvix.ini")); }
    QString LeadsFile() const { return dir_.filePath(QStringLiteral("work/leads.dat")); }

    // Faces of distinct colours; `missingFace` leaves one out, `withBack` the back.
    void AddCardSet(const QString& name, bool withBack = true, int missingFace = 0) const {
        const QString folder = ProgramFolder() + QStringLiteral("gfx/") + name + QLatin1Char('/');
        QDir().mkpath(folder);
        for (int value = 1; value <= 18; ++value) {
            if (value == missingFace) continue;
            QImage face(12, 12, QImage::Format_RGB888);
            face.fill(QColor::fromHsv(value * 19, 200, 220));
            face.save(folder + QString::number(value) + QStringLiteral(".bmp"), "BMP");
        }
        if (withBack) {
            QImage back(12, 12, QImage::Format_RGB888);
            back.fill(QColor(10, 90, 30));
            back.save(folder + QStringLiteral("space.bmp"), "BMP");
        }
    }

    void WriteSettings(const QByteArray& ini) const {
        QDir().mkpath(dir_.filePath(QStringLiteral("config/Dravontek")));
        QFile file(SettingsFile());
        file.open(QIODevice::WriteOnly);
        file.write(ini);
    }

private:
    QTemporaryDir dir_;
    QString previousFolder_;
};

// Runs `action` on the next modal window that appears, from the event loop that
// the window's own exec() runs.
inline void WhenModal(std::function<void(QWidget*)> action) {
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, before, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}
