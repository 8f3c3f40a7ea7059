// The lock that serialises every write of "leads.dat" between game processes: an
// flock on "leads.dat.lock" beside it. The kernel drops the lock of a process that
// ends, however it ends, so a killed game never leaves a stale lock behind; the lock
// file itself stays in place (deleting it would let two processes lock two files).
#pragma once

#include <QString>

#include <chrono>

class LeadsLock {
public:
    // Waits at most `timeout` for the lock; IsHeld() and Reason() tell how it went.
    explicit LeadsLock(const QString& leadsPath, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
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
