// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDeadlineTimer;

// An exclusive advisory lock on a file, held by the kernel (an open-file-description lock)
// for as long as this object lives. A waiter is queued by the kernel and woken when the
// holder lets go, and the lock goes with its holder if that process dies, so no lock file
// ever has to age out. The wait is bounded. The lock file is never reached through a
// symbolic link, and a lock file removed or replaced while this run waited is locked anew.
class FileLock
{
public:
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Takes the lock, waiting at most timeoutMs; false with a reason on failure.
    bool lock(int timeoutMs);
    QString errorString() const { return m_error; }

private:
    bool waitForLock(const QDeadlineTimer &deadline, int timeoutMs);
    bool isStillAtPath() const;
    QString cannotLock(int error) const;
    bool fail(const QString &reason);

    QString m_path;
    int m_fd = -1;
    QString m_error;
};

// Takes the same kind of lock on a file this process has open, at once, for as long as the
// file stays open; false if another holder has it.
bool lockOpenFile(int fd);
