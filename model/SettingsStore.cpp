#include "model/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>

#include "model/FileReplace.h"
#include "model/IniText.h"
#include "model/SystemError.h"

namespace {
const QString kCards = QStringLiteral("cards");
const QString kDelay = QStringLiteral("delay");
const QString kSound = QStringLiteral("sound");
}  // namespace

std::unique_ptr<QSettings> OpenSettingsStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Dravontek"),
                                       QStringLiteral("Quorvix"));
}

QString SettingsFilePath() { return OpenSettingsStore()->fileName(); }

bool IsValidTurnDelay(int64_t delay) {
    return delay >= 0 && delay <= kMaxTurnDelay && delay % kTurnDelayStep == 0;
}

bool IsValidCardSetName(const QString& name) {
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

void LoadSettings(GameSettings& settings, QSettings& store) {
    settings.CardSetName = kDefaultCardSet;
    settings.TurnDelay = kDefaultTurnDelay;

    const QVariant cards = store.value(kCards);
    // A list or any other non-text value counts as absent, and so does a name that
    // is no single folder name.
    if (cards.typeId() == QMetaType::QString && IsValidCardSetName(cards.toString()))
        settings.CardSetName = cards.toString();

    bool isNumber = false;
    const qlonglong delay = store.value(kDelay).toLongLong(&isNumber);
    if (isNumber && delay >= INT32_MIN && delay <= INT32_MAX && IsValidTurnDelay(delay))
        settings.TurnDelay = int32_t(delay);

    // Off only when the file says so plainly; anything else keeps the sounds.
    settings.SoundOn = true;
    const QVariant sound = store.value(kSound);
    if (sound.typeId() == QMetaType::QString) {
        const QString text = sound.toString().trimmed();
        for (const char* off : {"false", "0", "no", "off"})
            if (text.compare(QLatin1String(off), Qt::CaseInsensitive) == 0) settings.SoundOn = false;
    }
}

void SaveSettings(const GameSettings& settings, const QString& path, const QString& programFolder) {
    const auto fail = [&path](const QString& reason) {
        throw SettingsError(QCoreApplication::translate("SettingsStore", "Failed to set data for 'cards'\n%1: %2").arg(path, reason).toStdString());
    };
    // Only the save's own errors count: whatever QSettings made of the old file's
    // lines when reading is no concern here.
    QByteArray text;
    if (const QFileInfo info(path); info.exists()) {
        if (!info.isFile()) fail(info.isDir() ? SystemReason(EISDIR) : QCoreApplication::translate("SettingsStore", "not a regular file"));
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly)) fail(old.errorString());
        text = old.readAll();
        if (old.error() != QFileDevice::NoError) fail(old.errorString());
    }
    if (!QDir().mkpath(QFileInfo(path).path())) fail(QCoreApplication::translate("SettingsStore", "cannot make the folder %1").arg(QFileInfo(path).path()));
    const QByteArray saved = SetIniValues(text, {{kCards.toLatin1(), EncodeIniString(settings.CardSetName)},
                                                 {kDelay.toLatin1(), QByteArray::number(settings.TurnDelay)},
                                                 {"path", EncodeIniString(programFolder)},
                                                 {kSound.toLatin1(), settings.SoundOn ? "true" : "false"}});
    // A game killed while saving left its new file behind; one still saving has had no
    // minute to do it in.
    RemoveUnfinishedReplacements(path, std::chrono::minutes(1));
    if (const QString reason = ReplaceFileContents(path, saved); !reason.isEmpty()) fail(reason);
}

QString BuildCardFolder(const QString& programFolder, const QString& cardSetName) {
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder + QStringLiteral("gfx/") + cardSetName + QLatin1Char('/');
}
