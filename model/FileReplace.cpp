#include "model/FileReplace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Descriptors.h"
#include "model/SystemError.h"

namespace {

// The new file is hidden beside the old one: ".NAME.new-" and eight hex digits.
QByteArray SiblingPrefix(const QByteArray& name) { return "." + name + ".new-"; }

// Opens a new file with a name of its own in `folder`, beside `target`: mode 0666 less
// the umask, as any newly created file gets.
int CreateSibling(int folder, const QByteArray& target, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = SiblingPrefix(target) + QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
        const int fd = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The file a replacement writes: `path`, or the file its symbolic links lead to when
// every link on the way is the user's own, so that a link planted by someone else in
// a folder others can write to never turns a save into an overwrite of another file.
// Each link is checked and read through one descriptor, so a link swapped in after the
// check is never followed; its text is resolved by the kernel from the link's folder,
// bytes as they are, ".." after a folder link as the kernel takes it. A link to a file
// not there yet leads to it; a loop is an error.
QString FollowOwnLinks(const QByteArray& path, UniqueFd& folder, QByteArray& name) {
    PathParts parts = SplitPath(path);
    int at = AT_FDCWD;
    for (int hops = 0; hops < 40; ++hops) {
        if (parts.name.isEmpty() || parts.name == "." || parts.name == "..") return SystemReason(EISDIR);
        UniqueFd next = OpenFolder(at, parts.folder);
        if (!next) return SystemReason(errno);
        folder = std::move(next);
        name = parts.name;
        uid_t owner = 0;
        const QByteArray target = ReadOwnedLink(folder.get(), name, owner);
        if (target.isEmpty()) return errno == ENOENT || errno == EINVAL ? QString() : SystemReason(errno);
        if (owner != ::geteuid()) return QCoreApplication::translate("FileReplace", "it is a symbolic link of another user");
        at = target.startsWith('/') ? AT_FDCWD : folder.get();
        parts = SplitPath(target);
    }
    return SystemReason(ELOOP);
}

}  // namespace

QString ReplaceFileContents(const QString& path, const QByteArray& contents) {
    UniqueFd folder;
    QByteArray name;
    if (const QString refused = FollowOwnLinks(QFile::encodeName(path), folder, name); !refused.isEmpty()) return refused;

    struct stat old{};
    const bool exists = ::fstatat(folder.get(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode)) return S_ISDIR(old.st_mode) ? SystemReason(EISDIR) : QCoreApplication::translate("FileReplace", "not a regular file");
    // A file made read-only stays as it is: the rename would need only the folder.
    if (exists) {
        const int refused = ::faccessat(folder.get(), name.constData(), W_OK, 0) != 0 ? errno : (old.st_mode & 0222) == 0 ? EACCES : 0;
        if (refused) return SystemReason(refused);
    }

    QByteArray temporary;
    const int fd = CreateSibling(folder.get(), name, temporary);
    if (fd < 0) return SystemReason(errno);
    // fsync catches what a filesystem only reports when the data reaches the disk
    // (delayed allocation, network filesystems); close can report it too.
    bool ok = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) && WriteAll(fd, contents.constData(), contents.size()) &&
              (::fsync(fd) == 0 || errno == EINVAL);
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    // The rename replaces whatever has the name by then, a link swapped in too, and
    // never writes through it.
    if (ok && ::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return SystemReason(error);
    }
    SyncFolder(folder.get());
    return {};
}

void RemoveUnfinishedReplacements(const QString& path, std::chrono::seconds olderThan) {
    const QFileInfo info(path);
    QDir folder = info.dir();
    const QString pattern = QFile::decodeName(SiblingPrefix(QFile::encodeName(info.fileName()))) + QStringLiteral("????????");
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThan.count());
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        if (olderThan.count() == 0 || QFileInfo(folder.filePath(name)).lastModified().toUTC() < before) folder.remove(name);
}
