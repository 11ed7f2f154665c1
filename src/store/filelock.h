// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDeadlineTimer;

// An exclusive advisory lock on a file itself (flock), held by the kernel for as long as this
// object lives. A waiter is queued by the kernel and woken when the holder lets go, and the
// lock goes with its holder if that process dies, so nothing has to age out. The wait is
// bounded. The lock is on the file's inode, which no one can take away from the holder: a
// file that was replaced (or removed) while this run waited is no longer the one at the
// path, so the file there now is locked anew, and a save goes ahead only while it holds the
// lock on the very file it is about to replace. The file is never reached through a symbolic
// link; a missing one is created, readable by its owner only.
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

    // Whether the locked file is still the one at the path.
    bool isStillAtPath() const;

    // The report of a lock that another holder kept past the wait.
    static QString heldTooLong(int timeoutMs);

private:
    bool open();
    bool waitForLock(const QDeadlineTimer &deadline, int timeoutMs);
    QString cannotLock(int error) const;
    bool fail(const QString &reason);

    QString m_path;
    int m_fd = -1;
    QString m_error;
};

// Takes the same kind of lock on a file this process has open, at once, for as long as the
// file stays open; false if another holder has it.
bool lockOpenFile(int fd);
