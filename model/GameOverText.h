// What the board says when a game ends.
#pragma once

#include <QString>

#include <cstdint>

#include "model/LeadsTable.h"

// "1 point", "1800 points", "-30 points".
QString PointsText(int64_t points);

// The result, and the place it took in `table` (which holds it already) when it was
// ranked, or else what the tenth place needs; then how to go on.
QString GameOverText(int32_t points, const LeadsTable& table, bool ranked);
