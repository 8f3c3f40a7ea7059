#include "model/LeadsLock.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "model/SystemError.h"

namespace {

struct Waiting {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool locked = false;
    int error = 0;
};

// flock cannot time out by itself, so a wait that has to block runs on a helper
// thread with a duplicate of the descriptor. An flock belongs to the open file, not
// to a descriptor: what the helper takes, this thread holds. A wait given up on is
// abandoned to the helper, whose duplicate is by then the file's last descriptor:
// when the lock does come, closing it releases the lock at once.
bool LockWithin(int fd, std::chrono::milliseconds timeout, const std::function<void()>& whileWaiting) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK) return false;
    const int helperFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (helperFd < 0) return false;
    auto waiting = std::make_shared<Waiting>();
    std::thread([helperFd, waiting] {
        int result;
        do result = ::flock(helperFd, LOCK_EX);
        while (result != 0 && errno == EINTR);
        const int error = errno;
        ::close(helperFd);
        const std::lock_guard<std::mutex> guard(waiting->mutex);
        waiting->finished = true;
        waiting->locked = result == 0;
        waiting->error = error;
        waiting->done.notify_one();
    }).detach();
    std::unique_lock<std::mutex> guard(waiting->mutex);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    constexpr std::chrono::milliseconds kBeat(30);
    while (!waiting->done.wait_for(guard, std::min<std::chrono::steady_clock::duration>(kBeat, deadline - std::chrono::steady_clock::now()),
                                   [&] { return waiting->finished; }) &&
           std::chrono::steady_clock::now() < deadline) {
        if (!whileWaiting) continue;
        guard.unlock();
        whileWaiting();
        guard.lock();
    }
    errno = waiting->finished ? waiting->error : ETIMEDOUT;
    return waiting->locked;
}

}  // namespace

LeadsLock::LeadsLock(const QString& leadsPath, std::chrono::milliseconds timeout, const std::function<void()>& whileWaiting) {
    const QByteArray name = QFile::encodeName(leadsPath + QStringLiteral(".lock"));
    // Read-only: flock needs no more, and another user's lock file in a shared folder
    // (0644 by the umask) can then be locked by everyone.
    const int fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0666);
    if (fd < 0) {
        reason_ = SystemReason(errno);
        return;
    }
    if (!LockWithin(fd, timeout, whileWaiting)) {
        reason_ = errno == ETIMEDOUT ? QCoreApplication::translate("LeadsLock", "the leaders table is in use by another program")
                                     : SystemReason(errno);
        ::close(fd);
        return;
    }
    fd_ = fd;
}

LeadsLock::~LeadsLock() {
    if (fd_ >= 0) ::close(fd_);  // the last descriptor of the file: releases the lock
}
