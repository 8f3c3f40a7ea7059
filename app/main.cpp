// Quorvix start-up: the application, then the windows in their fixed order (the
// main window first, whose creation loads the settings and the leaders table and
// deals the first board), then the event loop until the main window closes.
#include <QDialog>

#include "AboutBox.h"
#include "LeadsFile.h"
#include "QuorvixApplication.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

int main(int argc, char** argv) {
    QuorvixApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/quorvix/quorvix.png")));

    TForm1 form1(QCoreApplication::applicationDirPath());
    TForm3 form3(form1.Leads(), kLeadsFileName, &form1);
    TForm2 form2(form1.Leads(), kLeadsFileName, form3, &form1);
    QDialog* form4 = nullptr;  // the options window
    AboutBox about(&form1);
    form1.SetWindows(&form3, &form2, form4, &about);

    form1.show();
    return app.exec();
}
