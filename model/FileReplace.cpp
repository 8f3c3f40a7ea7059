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

#include "model/SystemError.h"

namespace {

bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// The new file is hidden beside the old one: ".NAME.new-" and eight hex digits.
QString SiblingPrefix(const QFileInfo& target) { return QStringLiteral(".") + target.fileName() + QStringLiteral(".new-"); }

// Opens a new file with a name of its own beside `target`: mode 0666 less the umask,
// as any newly created file gets.
int CreateSibling(const QString& target, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QFileInfo info(target);
        name = QFile::encodeName(info.path() + QLatin1Char('/') + SiblingPrefix(info) +
                                 QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void SyncFolder(const QString& target) {
    const int fd = ::open(QFile::encodeName(QFileInfo(target).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename is already visible to every program
    ::close(fd);
}

// The file a replacement writes: `path`, or the file its symbolic links lead to when
// every link on the way is the user's own, so that a link planted by someone else in
// a folder others can write to never turns a save into an overwrite of another file.
// A link to a file not there yet leads to it; a loop is an error.
QString FollowOwnLinks(const QString& path, QString& target) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link{};
        if (::lstat(QFile::encodeName(target).constData(), &link) != 0 || !S_ISLNK(link.st_mode)) return {};
        if (link.st_uid != ::geteuid()) return QCoreApplication::translate("FileReplace", "it is a symbolic link of another user");
        target = QFileInfo(target).symLinkTarget();
    }
    return SystemReason(ELOOP);
}

}  // namespace

QString ReplaceFileContents(const QString& path, const QByteArray& contents) {
    QString target;
    if (const QString refused = FollowOwnLinks(path, target); !refused.isEmpty()) return refused;

    struct stat old{};
    const QByteArray targetName = QFile::encodeName(target);
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return S_ISDIR(old.st_mode) ? SystemReason(EISDIR) : QCoreApplication::translate("FileReplace", "not a regular file");
    // A file made read-only stays as it is: the rename would need only the folder.
    if (exists) {
        const int refused = ::access(targetName.constData(), W_OK) != 0 ? errno : (old.st_mode & 0222) == 0 ? EACCES : 0;
        if (refused) return SystemReason(refused);
    }

    QByteArray temporary;
    const int fd = CreateSibling(target, temporary);
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
    if (ok && ::rename(temporary.constData(), targetName.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return SystemReason(error);
    }
    SyncFolder(target);
    return {};
}

void RemoveUnfinishedReplacements(const QString& path, std::chrono::seconds olderThan) {
    const QFileInfo info(path);
    QDir folder = info.dir();
    const QString pattern = SiblingPrefix(info) + QStringLiteral("????????");
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThan.count());
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        if (olderThan.count() == 0 || QFileInfo(folder.filePath(name)).lastModified().toUTC() < before) folder.remove(name);
}
