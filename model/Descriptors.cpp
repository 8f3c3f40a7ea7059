#include "model/Descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
}

PathParts SplitPath(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return {QByteArrayLiteral("."), path};
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

UniqueFd OpenFolder(int at, const QByteArray& path) {
    return UniqueFd(::openat(at, path.isEmpty() ? "." : path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

QByteArray ReadOwnedLink(int folder, const QByteArray& name, uid_t& owner) {
    const UniqueFd link(::openat(folder, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!link || ::fstat(link.get(), &info) != 0) return {};
    owner = info.st_uid;
    if (!S_ISLNK(info.st_mode)) {
        errno = EINVAL;
        return {};
    }
    // The link's own bytes, from the descriptor: a link swapped in since is not read.
    QByteArray target(qsizetype(info.st_size > 0 ? info.st_size : 255) + 1, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::readlinkat(link.get(), "", target.data(), size_t(target.size()));
        if (got < 0) return {};
        if (got < target.size()) return target.left(got);
        target.resize(target.size() * 2);
    }
}

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

void SyncFolder(int folder) {
    const UniqueFd readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable) ::fsync(readable.get());
}
