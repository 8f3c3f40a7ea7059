// The application's general error report: a message box with the error's text.
#pragma once

#include <QString>

class QWidget;

void ShowErrorReport(const QString& text, QWidget* parent = nullptr);
