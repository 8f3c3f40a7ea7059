// Files reached through descriptors rather than names: in a folder another user may
// write, a name checked and then used again may by then be another file (a link swapped
// in between), while a descriptor stays the file that was checked. Names are bytes here,
// as the kernel has them, never decoded text.
#pragma once

#include <QByteArray>

#include <sys/types.h>

#include <utility>

// A descriptor closed when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd();

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// A path cut at its last '/': the folder ("." for none, "/" for the root) and the name.
struct PathParts {
    QByteArray folder;
    QByteArray name;
};
PathParts SplitPath(const QByteArray& path);

// The folder `path` names (links on the way followed), relative to `at` (AT_FDCWD, or a
// folder's descriptor), opened to be used by the *at calls only.
UniqueFd OpenFolder(int at, const QByteArray& path);

// The text of the link `name` in `folder`, read from the link that was checked: empty
// with errno set when it is not a link or cannot be read. `owner` gets the link's owner.
QByteArray ReadOwnedLink(int folder, const QByteArray& name, uid_t& owner);

// Writes all of `data`, going on after interrupted and partial writes; false with errno
// set (EIO for a write that wrote nothing) when it cannot.
bool WriteAll(int fd, const char* data, qsizetype size);

// Flushes a folder's entries to the disk, best effort: a rename in it is already seen by
// every program, and this only makes it outlast a power cut.
void SyncFolder(int folder);
