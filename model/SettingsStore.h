// The game's settings between runs: the card set, the turn-back delay and whether
// the game plays its sounds.
//
// They live in an INI file for organisation "Dravontek", application "Quorvix", in the
// user's scope (~/.config/Dravontek/Quorvix.ini), read with a fall-back to the
// system-wide file (/etc/xdg/Dravontek/Quorvix.ini) so an administrator can set defaults.
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
    bool SoundOn = true;
};

inline const QString kDefaultCardSet = QStringLiteral("animals");
constexpr int32_t kDefaultTurnDelay = 500;
constexpr int32_t kMaxTurnDelay = 2000;
constexpr int32_t kTurnDelayStep = 50;

// A save that failed; what() is "Failed to set data for 'cards'" and, on the next
// line, the file and the system's reason.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The settings as stored, for reading (both scopes).
std::unique_ptr<QSettings> OpenSettingsStore();
// The user's settings file, which saving writes.
QString SettingsFilePath();

// Reads CardSetName, TurnDelay and SoundOn; invalid, absent or mistyped values give
// the defaults ("animals", 500, on), so that start-up always completes.
void LoadSettings(GameSettings& settings, QSettings& store);
// Writes "cards", "delay", "path" (the program folder) and "sound" ("true" or
// "false") into the file at `path`,
// keeping its other lines. The old file stays whole when the save fails
// (SettingsError).
void SaveSettings(const GameSettings& settings, const QString& path, const QString& programFolder);

// The folder of a card set, ending in a separator.
QString BuildCardFolder(const QString& programFolder, const QString& cardSetName);
// A set name is one folder name inside "gfx": not empty, not "." or "..", and
// without a separator, so a stored name can never lead outside the card sets.
bool IsValidCardSetName(const QString& name);
bool IsValidTurnDelay(int64_t delay);
