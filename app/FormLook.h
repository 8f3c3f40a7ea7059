// The windows' common look.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// "MS Sans Serif" where it exists, else the desktop's sans-serif, at the same pixel size.
QFont FormFont(int pixelSize, bool bold = false);
// A plain background of one colour (the white windows, the grey card frames).
void SetBackgroundColour(QWidget* widget, const QColor& colour);
