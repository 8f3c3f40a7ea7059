#include "model/SetFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "model/SystemError.h"

namespace {

constexpr int kLongestFileName = 255;  // NAME_MAX of the usual file systems, in bytes
const QByteArray kMaking = ".making-";
const QByteArray kOld = ".old";
constexpr int kMarkLetters = 6;

QByteArray HiddenName(const QByteArray& name, const QByteArray& mark) {
    QByteArray hidden = "." + name + mark;
    for (int i = 0; i < kMarkLetters; ++i) hidden += "abcdefghijklmnopqrstuvwxyz0123456789"[QRandomGenerator::global()->bounded(36)];
    return hidden;
}

bool OwnRealFolder(const struct stat& info) { return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid(); }

// The set's name a hidden folder stands for, when `hidden` is ".NAME" + mark + letters
// (or ".NAME.old" as older versions named it).
QByteArray SetOf(const QByteArray& hidden, const QByteArray& mark, bool bareOld = false) {
    if (!hidden.startsWith('.')) return {};
    if (bareOld && hidden.endsWith(kOld) && hidden.size() > 1 + kOld.size()) return hidden.mid(1, hidden.size() - 1 - kOld.size());
    const qsizetype at = hidden.size() - kMarkLetters - mark.size();
    if (at <= 1 || hidden.mid(at, mark.size()) != mark) return {};
    return hidden.mid(1, at - 1);
}

int Rename(int folder, const QByteArray& from, const QByteArray& to, unsigned flags) {
    return int(::syscall(SYS_renameat2, folder, from.constData(), folder, to.constData(), flags));
}

}  // namespace

QString SetNameProblem(const QString& name) {
    const qsizetype bytes = QFile::encodeName(name).size();
    const qsizetype most = kLongestFileName - 1 - qsizetype(kMaking.size()) - kMarkLetters;
    if (bytes > most)
        return QCoreApplication::translate("SetFolders", "the name is too long: %1 bytes, and a set's name may have %2 at most").arg(bytes).arg(most);
    return {};
}

void RemoveOwnTree(int folder, const QByteArray& name) {
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_uid != ::geteuid()) return;
    if (!S_ISDIR(info.st_mode)) {
        ::unlinkat(folder, name.constData(), 0);
        return;
    }
    // Opened without following a link, and checked to be the folder just seen.
    const int fd = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat opened {};
    if (fd < 0) return;
    DIR* entries = ::fdopendir(fd);
    if (entries == nullptr) {
        ::close(fd);
        return;
    }
    if (::fstat(fd, &opened) == 0 && opened.st_dev == info.st_dev && opened.st_ino == info.st_ino) {
        while (const dirent* entry = ::readdir(entries)) {
            const QByteArray child(entry->d_name);
            if (child != "." && child != "..") RemoveOwnTree(fd, child);
        }
        ::unlinkat(folder, name.constData(), AT_REMOVEDIR);
    }
    ::closedir(entries);
}

void RecoverInterruptedMakes(const QString& setsFolder, std::chrono::seconds olderThan) {
    const int fd = ::open(QFile::encodeName(setsFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* entries = ::fdopendir(fd);
    if (entries == nullptr) {
        ::close(fd);
        return;
    }
    const time_t before = ::time(nullptr) - time_t(olderThan.count());
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray hidden(entry->d_name);
        const QByteArray making = SetOf(hidden, kMaking), old = SetOf(hidden, kOld + "-", true);
        if (making.isEmpty() && old.isEmpty()) continue;
        struct stat info {}, set {};
        if (::fstatat(fd, hidden.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !OwnRealFolder(info)) continue;
        // RENAME_NOREPLACE: a set made meanwhile under the name is kept.
        if (!old.isEmpty() && ::fstatat(fd, old.constData(), &set, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT &&
            Rename(fd, hidden, old, RENAME_NOREPLACE) == 0)
            continue;
        if (info.st_mtime < before) RemoveOwnTree(fd, hidden);
    }
    ::closedir(entries);
}

SetUnderConstruction::SetUnderConstruction(const QString& setFolder) : setFolder_(setFolder) {
    const PathParts parts = SplitPath(QFile::encodeName(QDir::cleanPath(setFolder)));
    name_ = parts.name;
    if (const QString problem = SetNameProblem(QFile::decodeName(name_)); !problem.isEmpty()) {
        problem_ = problem;
        return;
    }
    const QString parent = QFile::decodeName(parts.folder);
    if (!QDir().mkpath(parent) || !(parent_ = OpenFolder(AT_FDCWD, parts.folder))) {
        problem_ = QCoreApplication::translate("SetFolders", "cannot make the folder %1: %2").arg(parent, SystemReason(errno));
        return;
    }
    RecoverInterruptedMakes(parent);
    for (int attempt = 0; attempt < 100 && !making_; ++attempt) {
        makingName_ = HiddenName(name_, kMaking);
        if (::mkdirat(parent_.get(), makingName_.constData(), 0755) == 0)
            making_ = UniqueFd(::openat(parent_.get(), makingName_.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        else if (errno != EEXIST)
            break;
    }
    if (!making_) problem_ = QCoreApplication::translate("SetFolders", "cannot write in %1: %2").arg(parent, SystemReason(errno));
}

SetUnderConstruction::~SetUnderConstruction() {
    if (making_) RemoveOwnTree(parent_.get(), makingName_);
}

QString SetUnderConstruction::Write(const QString& fileName, const QByteArray& contents) {
    const UniqueFd file(::openat(making_.get(), QFile::encodeName(fileName).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    // The errno of the step that failed, not of a later one.
    if (!file || !WriteAll(file.get(), contents.constData(), contents.size()) || ::fsync(file.get()) != 0)
        return QCoreApplication::translate("SetFolders", "cannot write %1: %2").arg(QDir(setFolder_).filePath(fileName), SystemReason(errno));
    return {};
}

QString SetUnderConstruction::PutInPlace() {
    // The made set and the old one trade names in one step; with no old set, the made
    // one takes the name unless another appeared meanwhile.
    int done = Rename(parent_.get(), makingName_, name_, RENAME_EXCHANGE);
    if (done != 0 && errno == ENOENT) done = Rename(parent_.get(), makingName_, name_, RENAME_NOREPLACE);
    if (done != 0 && errno == EINVAL) {
        // A file system without those renames: the old set is hidden first, under a
        // name of its own, and put back if the new one cannot take its place.
        const QByteArray old = HiddenName(name_, kOld + "-");
        const bool hidOld = ::renameat(parent_.get(), name_.constData(), parent_.get(), old.constData()) == 0;
        done = ::renameat(parent_.get(), makingName_.constData(), parent_.get(), name_.constData());
        const int error = errno;
        if (done != 0 && hidOld) ::renameat(parent_.get(), old.constData(), parent_.get(), name_.constData());
        if (done == 0 && hidOld) RemoveOwnTree(parent_.get(), old);
        errno = error;
    }
    if (done != 0) return QCoreApplication::translate("SetFolders", "cannot put the set in place at %1: %2").arg(setFolder_, SystemReason(errno));
    SyncFolder(parent_.get());
    making_ = UniqueFd();
    // After the exchange the old set has the making folder's name.
    RemoveOwnTree(parent_.get(), makingName_);
    return {};
}
