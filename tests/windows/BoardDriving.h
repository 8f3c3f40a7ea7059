// Playing the main window's board from a test, with real mouse events.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include "windows/CardImage.h"
#include "windows/Unit1.h"

inline CardImage* ImageOf(TForm1& form, int cell) {
    return form.findChild<CardImage*>(QStringLiteral("Image%1").arg(cell));
}

inline void Click(TForm1& form, int cell) { QTest::mouseClick(ImageOf(form, cell), Qt::LeftButton); }

inline int PartnerOf(TForm1& form, int cell) {
    for (int j = 1; j <= 36; ++j)
        if (j != cell && form.Board().CardValue(j) == form.Board().CardValue(cell)) return j;
    return 0;
}

inline int NonPartnerOf(TForm1& form, int cell) {
    for (int j = 1; j <= 36; ++j)
        if (j != cell && form.Board().CardValue(j) != form.Board().CardValue(cell)) return j;
    return 0;
}

// Finds every pair at the first try: 1800 points.
inline void PlayPerfectGame(TForm1& form) {
    for (int cell = 1; cell <= 36; ++cell) {
        if (form.Board().IsMatched(cell)) continue;
        Click(form, cell);
        Click(form, PartnerOf(form, cell));
    }
}

inline QString PointsText(TForm1& form) { return form.findChild<QLabel*>(QStringLiteral("Label2"))->text(); }

inline void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}
