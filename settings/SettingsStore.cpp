#include "SettingsStore.h"

#include <QSettings>

namespace {
const QString kCards = QStringLiteral("cards");
const QString kDelay = QStringLiteral("delay");
const QString kPath = QStringLiteral("path");
}  // namespace

std::unique_ptr<QSettings> OpenSettingsStore() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Dravontek\\Quorvix"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Dravontek"),
                                       QStringLiteral("Quorvix"));
#endif
}

bool IsValidTurnDelay(int64_t delay) {
    return delay >= 0 && delay <= kMaxTurnDelay && delay % kTurnDelayStep == 0;
}

void LoadSettings(GameSettings& settings, QSettings& store) {
    settings.CardSetName = QStringLiteral("animals");
    settings.TurnDelay = kDefaultTurnDelay;

    const QVariant cards = store.value(kCards);
    // A list or any other non-text value counts as absent.
    if (cards.typeId() == QMetaType::QString && !cards.toString().isEmpty())
        settings.CardSetName = cards.toString();

    bool isNumber = false;
    const qlonglong delay = store.value(kDelay).toLongLong(&isNumber);
    if (isNumber && delay >= INT32_MIN && delay <= INT32_MAX && IsValidTurnDelay(delay))
        settings.TurnDelay = int32_t(delay);
}

void SaveSettings(const GameSettings& settings, QSettings& store, const QString& programFolder) {
    if (!store.isWritable()) throw SettingsError("Failed to set data for 'cards'");
    store.setValue(kCards, settings.CardSetName);
    store.setValue(kDelay, settings.TurnDelay);
    store.setValue(kPath, programFolder);
    store.sync();
    if (store.status() != QSettings::NoError) throw SettingsError("Failed to set data for 'cards'");
}

QString BuildCardFolder(const QString& programFolder, const QString& cardSetName) {
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder + QStringLiteral("gfx/") + cardSetName + QLatin1Char('/');
}
