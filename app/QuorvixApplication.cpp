#include "app/QuorvixApplication.h"

#include <QCoreApplication>
#include <QIcon>

#include <exception>

#include "ui/ErrorReport.h"
#include "QuorvixVersion.h"

QuorvixApplication::QuorvixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorvix"));
    setOrganizationName(QStringLiteral("Dravontek"));
    setApplicationVersion(QStringLiteral(QUORVIX_VERSION));
    setWindowIcon(QIcon(QStringLiteral(":/quorvix/quorvix.png")));
}

bool QuorvixApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorReport(QString::fromStdString(error.what()));
    } catch (...) {
        ShowErrorReport(QCoreApplication::translate("QuorvixApplication", "An unexpected error occurred."));
    }
    return false;
}
