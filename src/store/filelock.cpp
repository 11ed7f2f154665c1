// SPDX-License-Identifier: MIT
#include "filelock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <mutex>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The signal that ends a wait at its deadline. It is sent to the waiting thread only, and
// its handler does nothing: it only makes the blocked fcntl() return with EINTR.
int deadlineSignal()
{
    static const int signal = SIGRTMIN + 3;
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action = {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no SA_RESTART: the wait must be interrupted
        sigaction(signal, &action, nullptr);
    });
    return signal;
}

// A timer that signals this thread at the deadline, and again every 50 ms after it in case
// the first signal came before the thread started waiting.
class DeadlineAlarm
{
public:
    explicit DeadlineAlarm(int timeoutMs)
    {
        struct sigevent event = {};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = deadlineSignal();
        event._sigev_un._tid = gettid(); // sigev_notify_thread_id, which this C library does not name
        if (timer_create(CLOCK_MONOTONIC, &event, &m_timer) != 0)
            return;
        m_armed = true;
        struct itimerspec when = {};
        when.it_value.tv_sec = timeoutMs / 1000;
        when.it_value.tv_nsec = (timeoutMs % 1000) * 1'000'000L + 1; // zero would disarm it
        when.it_interval.tv_nsec = 50'000'000L;
        timer_settime(m_timer, 0, &when, nullptr);
    }
    ~DeadlineAlarm()
    {
        if (m_armed)
            timer_delete(m_timer);
    }
    bool armed() const { return m_armed; }

private:
    timer_t m_timer = {};
    bool m_armed = false;
};

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

FileLock::FileLock(const QString &path)
    : m_path(path)
{
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

bool FileLock::lock(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (!open())
            return false;
        if (!lockOpenFile(m_fd)) {
            if (errno != EWOULDBLOCK)
                return fail(cannotLock(errno));
            if (!waitForLock(deadline, timeoutMs))
                return false;
        }
        if (isStillAtPath())
            return true;
        // Another save replaced the file while this run waited for it (or someone removed it):
        // the lock that counts is the one on the file at the path now.
        ::close(m_fd);
        m_fd = -1;
    }
}

bool FileLock::open()
{
    const QByteArray path = QFile::encodeName(m_path);
    // Never through a link, and a FIFO put in the file's place does not block the open.
    const int flags = O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW;
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | flags, 0600);
    const int createError = errno;
    // A read-only file in a folder that may be written is replaced all the same, as an editor
    // replaces it; the lock needs no more than a descriptor that reads.
    if (m_fd < 0 && (errno == EACCES || errno == EROFS))
        m_fd = ::open(path.constData(), O_RDONLY | flags);
    if (m_fd < 0 && errno == ENOENT) // no file, and a folder that lets none be made (or none)
        return fail(QCoreApplication::translate("SettingsStore", "No file can be created in the folder %1: %2")
                            .arg(QFileInfo(m_path).absolutePath(), systemError(createError)));
    if (m_fd < 0)
        return fail(QCoreApplication::translate("SettingsStore", "%1 cannot be read: %2")
                            .arg(m_path, systemError(errno)));
    struct stat status = {};
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode))
        return fail(QCoreApplication::translate("SettingsStore", "%1 is not a regular file.").arg(m_path));
    return true;
}

bool FileLock::isStillAtPath() const
{
    struct stat locked = {};
    struct stat atPath = {};
    return ::fstat(m_fd, &locked) == 0 && ::lstat(QFile::encodeName(m_path).constData(), &atPath) == 0
            && locked.st_dev == atPath.st_dev && locked.st_ino == atPath.st_ino;
}

bool FileLock::waitForLock(const QDeadlineTimer &deadline, int timeoutMs)
{
    const DeadlineAlarm alarm(int(qMax<qint64>(0, deadline.remainingTime())));
    if (!alarm.armed())
        return fail(cannotLock(errno));
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return fail(cannotLock(errno));
        // Another signal (a child process ending, say) may interrupt the wait early.
        if (deadline.hasExpired())
            return fail(heldTooLong(timeoutMs));
    }
    return true;
}

QString FileLock::heldTooLong(int timeoutMs)
{
    return QCoreApplication::translate("SettingsStore",
                                       "Another run of the program kept the settings locked for over %1 seconds.")
            .arg((timeoutMs + 999) / 1000);
}

QString FileLock::cannotLock(int error) const
{
    return QCoreApplication::translate("SettingsStore", "The lock on %1 cannot be waited for: %2.")
            .arg(m_path, systemError(error));
}

bool lockOpenFile(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

bool FileLock::fail(const QString &reason)
{
    m_error = reason;
    return false;
}
