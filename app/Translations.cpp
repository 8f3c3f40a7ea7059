#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallTranslations(QCoreApplication& app) {
    const QLocale locale;
    auto* own = new QTranslator(&app);
    if (own->load(locale, QStringLiteral("quorvix"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    // Qt's own only where ours is: an English game keeps English buttons.
    if (!own->isEmpty() &&
        qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
