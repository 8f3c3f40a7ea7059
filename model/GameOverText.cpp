#include "model/GameOverText.h"

#include <QCoreApplication>
#include <algorithm>

QString PointsText(int64_t points) {
    return (points == 1 || points == -1 ? QCoreApplication::translate("GameOverText", "%1 point") : QCoreApplication::translate("GameOverText", "%1 points")).arg(points);
}

QString GameOverText(int32_t points, const LeadsTable& table, bool ranked) {
    QString text = QCoreApplication::translate("GameOverText", "Game over: ") + PointsText(points);
    if (ranked) {
        // Below any equal result, as the table ranks it.
        const auto place = std::count_if(table.points.begin(), table.points.end(), [points](int32_t p) { return p >= points; });
        text += QCoreApplication::translate("GameOverText", ", place %1 in the leaders table.").arg(std::max<long>(place, 1));
    } else {
        text += QCoreApplication::translate("GameOverText", ". The tenth place needs %1.").arg(PointsText(int64_t(table.points[kLeadEntries - 1]) + 1));
    }
    return text + QCoreApplication::translate("GameOverText", "\nF2 starts a new game.");
}
