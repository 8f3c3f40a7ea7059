#include "model/CardSets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "model/SetFolders.h"
#include "model/SettingsStore.h"

namespace {

// Whether a file begins as a picture of a format the game reads: its first bytes only,
// so that listing the sets stays cheap. A set's files are named ".bmp" whatever their
// format; a picture whose data is damaged past its header is told when it is shown.
bool StartsAsPicture(const QByteArray& head) {
    static const QByteArray kMagic[] = {
        "BM",                                           // BMP
        QByteArray("\x89PNG\r\n\x1a\n", 8),             // PNG
        "\xff\xd8\xff",                                  // JPEG
        "GIF87a", "GIF89a",                             // GIF
        QByteArray("II*\0", 4), QByteArray("MM\0*", 4),  // TIFF
        "/* XPM */",                                    // XPM
        QByteArray("\0\0\1\0", 4), QByteArray("\0\0\2\0", 4),  // ICO, CUR
    };
    for (const QByteArray& magic : kMagic)
        if (head.startsWith(magic)) return true;
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP") return true;
    return head.size() >= 2 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6';  // PBM, PGM, PPM
}

enum class PictureState { Usable, Missing, NotAPicture };

PictureState PictureFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || info.size() == 0) return PictureState::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return PictureState::Missing;
    return StartsAsPicture(file.read(16)) ? PictureState::Usable : PictureState::NotAPicture;
}

QString WithSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// The folders in `gfxFolder` whose names are not UTF-8 text, named readably (each bad
// byte as U+FFFD). Qt cannot turn such a name back into the path, so these sets cannot
// be opened; they are listed so that the player learns to rename them rather than
// wondering where the set went. A link under such a name is left out, as a link is
// listed only when it leads to a set to play.
QStringList UndecodableFolderNames(const QString& gfxFolder) {
    QStringList names;
    DIR* dir = opendir(QFile::encodeName(gfxFolder).constData());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString name = decode(QByteArrayView(entry->d_name));
        struct stat info {};
        if (decode.hasError() && fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(info.st_mode))
            names << name;
    }
    closedir(dir);
    return names;
}

QString UndecodableName() { return QCoreApplication::translate("CardSets", "the folder's name is not UTF-8 text"); }

}  // namespace

QStringList ListCardSets(const QString& gfxFolder) {
    // Read-only folders (an installed game's) are sets like any other.
    return QDir(gfxFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString CardSetsFolder(const QString& programFolder) { return WithSeparator(programFolder) + QStringLiteral("gfx/"); }

QString UserCardSetsFolder() {
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           QStringLiteral("Quorvix/gfx/");
}

QList<CardSet> AllCardSets(const QString& programFolder) {
    RecoverInterruptedMakes(UserCardSetsFolder());  // a make killed part way hid a set
    QList<CardSet> sets;
    QStringList names;
    for (const auto& [folder, user] : {std::pair{UserCardSetsFolder(), true}, std::pair{CardSetsFolder(programFolder), false}}) {
        const QStringList undecodable = UndecodableFolderNames(folder);
        QStringList listed = ListCardSets(folder) + undecodable;
        std::sort(listed.begin(), listed.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (const QString& name : listed) {
            if (names.contains(name)) continue;  // the player's set of that name
            const QString setFolder = folder + name + QLatin1Char('/');
            const QString problem = undecodable.contains(name) ? UndecodableName() : CardSetProblem(setFolder);
            // A folder linked from elsewhere is listed only as a set to play: a link to
            // a folder of something else (/etc, say) is no set with a problem.
            if (!problem.isEmpty() && QFileInfo(folder + name).isSymLink()) continue;
            names << name;
            sets.push_back({name, setFolder, user, problem});
        }
    }
    return sets;
}

QString CardSetFolder(const QString& programFolder, const QString& name) {
    if (IsValidCardSetName(name)) {
        const QString own = UserCardSetsFolder() + name + QLatin1Char('/');
        if (QFileInfo(own).isDir()) return own;
    }
    return BuildCardFolder(programFolder, name);
}

QString CardSetProblem(const QString& cardFolder) {
    if (!QFileInfo(cardFolder).isDir()) return QCoreApplication::translate("CardSets", "no such folder");
    switch (PictureFile(cardFolder + QStringLiteral("space.bmp"))) {
        case PictureState::Missing: return QCoreApplication::translate("CardSets", "no back picture space.bmp");
        case PictureState::NotAPicture: return QCoreApplication::translate("CardSets", "space.bmp is not a picture");
        case PictureState::Usable: break;
    }
    QStringList missing, notPictures;
    for (int value = 1; value <= 18; ++value) {
        const PictureState state = PictureFile(cardFolder + QString::number(value) + QStringLiteral(".bmp"));
        if (state == PictureState::Missing) missing << QString::number(value);
        if (state == PictureState::NotAPicture) notPictures << QString::number(value);
    }
    if (!missing.isEmpty())
        return (missing.size() == 1 ? QCoreApplication::translate("CardSets", "face %1.bmp missing") : QCoreApplication::translate("CardSets", "faces %1 missing"))
            .arg(missing.join(QStringLiteral(", ")));
    if (!notPictures.isEmpty())
        return (notPictures.size() == 1 ? QCoreApplication::translate("CardSets", "face %1.bmp is not a picture")
                                        : QCoreApplication::translate("CardSets", "faces %1 are not pictures"))
            .arg(notPictures.join(QStringLiteral(", ")));
    return {};
}

QString ChooseCardSet(const QString& programFolder, const QString& wanted, const QStringList& excluded) {
    QStringList candidates{wanted, kDefaultCardSet};
    for (const CardSet& set : AllCardSets(programFolder)) candidates << set.name;
    for (const QString& name : candidates)
        if (IsValidCardSetName(name) && !excluded.contains(name) &&
            CardSetProblem(CardSetFolder(programFolder, name)).isEmpty())
            return name;
    return {};
}

QStringList FaceNames(const QString& cardFolder) {
    constexpr qint64 kMostRead = 64 * 1024;  // 18 names; the rest of a bigger file is ignored
    constexpr int kLongestName = 100;
    QStringList lines;
    QFile file(cardFolder + QStringLiteral("names.txt"));
    // Only a plain file: opening a pipe left under that name would wait for a writer.
    if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly))
        lines = QString::fromUtf8(file.read(kMostRead)).split(QLatin1Char('\n'));
    QStringList names;
    for (int value = 1; value <= 18; ++value) {
        const QString name = value <= lines.size() ? lines[value - 1].trimmed().left(kLongestName) : QString();
        names << (name.isEmpty() ? QCoreApplication::translate("CardSets", "card %1").arg(value) : name);
    }
    return names;
}
