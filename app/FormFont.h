// The windows' font: "MS Sans Serif" where it exists, else the desktop's sans-serif,
// at the same pixel size.
#pragma once

#include <QFont>

QFont FormFont(int pixelSize, bool bold = false);
