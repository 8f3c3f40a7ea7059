// The lock that serialises every write of "leads.dat" between game processes: an
// flock on "leads.dat.lock" beside it. The kernel drops the lock of a process that
// ends, however it ends, so a killed game never leaves a stale lock behind; the lock
// file itself stays in place (deleting it would let two processes lock two files).
#pragma once

#include <QString>

#include <chrono>
#include <functional>

class LeadsLock {
public:
    // Waits at most `timeout` for the lock; IsHeld() and Reason() tell how it went.
    // While it waits, `whileWaiting` is called every few tens of milliseconds (a
    // window keeps painting).
    explicit LeadsLock(const QString& leadsPath, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000),
                       const std::function<void()>& whileWaiting = {});
    ~LeadsLock();
    LeadsLock(const LeadsLock&) = delete;
    LeadsLock& operator=(const LeadsLock&) = delete;

    bool IsHeld() const { return fd_ >= 0; }
    // Why the lock could not be taken, for the player.
    const QString& Reason() const { return reason_; }

private:
    int fd_ = -1;
    QString reason_;
};
