// The application's general error report: a message box with the error's text.
#pragma once

#include <QString>

#include <exception>

class QWidget;

void ShowErrorReport(const QString& text, QWidget* parent = nullptr);

// Runs `handler`, showing any error it raises in the general error report. Window
// handlers use it so that errors never unwind through the toolkit's own frames.
template <typename Handler>
void ReportingErrors(Handler&& handler, QWidget* parent = nullptr) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorReport(QString::fromStdString(error.what()), parent);
    }
}
