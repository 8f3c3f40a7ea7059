// The program in the player's language: its own texts (German, French, Spanish,
// Italian and Polish, built into the program) and Qt's (the standard buttons and
// dialogs, from Qt's installed translations), chosen by the system's locale and
// LANGUAGE. Any other language, and the C locale, keep the English texts.
#pragma once

class QCoreApplication;

void InstallTranslations(QCoreApplication& app);
