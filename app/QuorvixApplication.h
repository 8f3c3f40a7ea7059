// The application object: an exception escaping any event handler is shown in the
// general error report, and the event loop goes on.
#pragma once

#include <QApplication>

class QuorvixApplication : public QApplication {
public:
    QuorvixApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
