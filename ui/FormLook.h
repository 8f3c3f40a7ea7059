// The windows' common look.
#pragma once

#include <QColor>
#include <QFont>

class QDialog;
class QSize;
class QString;
class QWidget;

// "MS Sans Serif" where it exists, else the desktop's sans-serif, at the same pixel size.
QFont FormFont(int pixelSize, bool bold = false);
// A plain background of one colour (the white windows, the grey card frames).
void SetBackgroundColour(QWidget* widget, const QColor& colour);
// The set-up the fixed-size white dialogs share: object name, caption, modality, size,
// font and background.
void SetUpFixedDialog(QDialog* dialog, const QString& name, const QString& title, const QSize& size);
