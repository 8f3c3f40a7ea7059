// Quorvix's windows, created in the fixed start-up order: the main window first
// (its creation loads the settings and the leaders table and deals the first
// board), then the leaders window, the name entry, the options window and the
// about window, and the help window.
#pragma once

#include <QDialog>

#include <functional>

#include "windows/AboutBox.h"
#include "windows/HelpBox.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"

struct QuorvixWindows {
    // `clockSeed`, when given, seeds every deal instead of the clock.
    explicit QuorvixWindows(const QString& programFolder, std::function<uint32_t()> clockSeed = {});

    TForm1 form1;
    TForm3 form3;
    TForm2 form2;
    TForm4 form4;
    AboutBox about;
    HelpBox help;
};
