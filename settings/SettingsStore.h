// The game's settings between runs: the card set and the turn-back delay.
//
// On Windows they live in the machine-wide registry key
// HKEY_LOCAL_MACHINE\Software\Dravontek\Quorvix. Elsewhere they live in Qt's INI
// store for organisation "Dravontek", application "Quorvix", in the user's scope,
// which falls back to the system-wide file so an administrator can set defaults.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <stdexcept>

class QSettings;

struct GameSettings {
    QString CardSetName = QStringLiteral("animals");
    QString CardFolder;  // program folder + "gfx/" + CardSetName + "/", derived
    int32_t TurnDelay = 500;
};

constexpr int32_t kDefaultTurnDelay = 500;
constexpr int32_t kMaxTurnDelay = 2000;
constexpr int32_t kTurnDelayStep = 50;

// A value that could not be written; what() is "Failed to set data for '<name>'".
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The settings store this platform uses.
std::unique_ptr<QSettings> OpenSettingsStore();

// Reads CardSetName and TurnDelay; invalid, absent or mistyped values give the
// defaults ("animals", 500), so that start-up always completes.
void LoadSettings(GameSettings& settings, QSettings& store);
// Writes "cards", "delay" and "path" (the program folder). Throws SettingsError
// when the store cannot be written.
void SaveSettings(const GameSettings& settings, QSettings& store, const QString& programFolder);

// The folder of a card set, ending in a separator.
QString BuildCardFolder(const QString& programFolder, const QString& cardSetName);
bool IsValidTurnDelay(int64_t delay);
