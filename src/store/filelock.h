// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// An exclusive advisory lock on a file, held by the kernel (an open-file-description lock)
// for as long as this object lives. A waiter is queued by the kernel and woken when the
// holder lets go, and the lock goes with its holder if that process dies, so no lock file
// ever has to age out. The wait is bounded.
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
    bool waitForLock(int timeoutMs);
    QString cannotLock(int error) const;
    bool fail(const QString &reason);

    QString m_path;
    int m_fd = -1;
    QString m_error;
};
