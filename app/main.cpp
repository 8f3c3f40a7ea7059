// Quorvix: the application object, the windows in their start-up order, then the
// event loop until the main window closes.
#include <QIcon>

#include "QuorvixApplication.h"
#include "QuorvixWindows.h"

int main(int argc, char** argv) {
    QuorvixApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/quorvix/quorvix.png")));
    QuorvixWindows windows(QCoreApplication::applicationDirPath());
    windows.form1.show();
    return app.exec();
}
