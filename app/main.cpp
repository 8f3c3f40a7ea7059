// Quorvix: the answers to --help and --version, or else the application object, the
// windows in their start-up order, then the event loop until the main window closes.
#include "app/CommandLine.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"
#include "app/Translations.h"

int main(int argc, char** argv) {
    if (const auto status = AnswerCommandLine(argc, argv, stdout, stderr)) return *status;
    QuorvixApplication app(argc, argv);
    InstallTranslations(app);
    QuorvixWindows windows(QCoreApplication::applicationDirPath());
    windows.form1.show();
    return app.exec();
}
