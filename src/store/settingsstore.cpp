// SPDX-License-Identifier: MIT
#include "settingsstore.h"

#include "filelock.h"
#include "inidocument.h"
#include "base/failure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The store's words for what went wrong.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)
};

constexpr int lockTimeoutMs = 10'000;
// Five short entries make a few hundred bytes; anything this large is not a settings file,
// and the program never writes one.
constexpr qint64 largestFile = 64 * 1024 * 1024;

QString bytes(qint64 size)
{
    return QLocale().toString(size);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The user's home folder: HOME if it is an absolute path, else the account's own.
QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    const struct passwd *account = ::getpwuid(::getuid());
    return account ? QFile::decodeName(account->pw_dir) : QDir::rootPath();
}

// The file that a read reads and a save replaces: where the settings file's chain of symbolic
// links ends (dotfile managers make them), each relative link read from the folder it sits in,
// as the system follows them, so that no link in the chain is ever replaced. The end need not
// exist yet. A chain longer than the system follows is refused as the system refuses it.
QString linkedFile(const QString &path, const QString &action)
{
    constexpr int mostLinks = 40; // the kernel's limit, which realpath() keeps too
    QByteArray file = QFile::encodeName(path);
    for (int links = 0; links <= mostLinks; ++links) {
        // The folder as the system reaches it; a missing one is left as it is, for the save
        // to report.
        const qsizetype slash = file.lastIndexOf('/');
        char folder[PATH_MAX];
        if (::realpath(file.left(qMax<qsizetype>(slash, 1)).constData(), folder))
            file = (qstrcmp(folder, "/") == 0 ? QByteArray() : QByteArray(folder)) + file.mid(slash);
        else if (errno == ELOOP)
            break;
        char target[PATH_MAX];
        const ssize_t size = ::readlink(file.constData(), target, sizeof target);
        if (size < 0)
            return QFile::decodeName(file);
        const QByteArray next(target, size);
        file = next.startsWith('/') ? next : file.left(file.lastIndexOf('/') + 1) + next;
    }
    throw Failure(action, Text::tr("%1 cannot be examined: %2").arg(path, systemError(ELOOP)));
}

// Makes the folder and those missing above it, each as the user's default would. Where one
// cannot be made, the report names the folder that the person can act on: the one it would be
// made in, and why, or the folder itself when something else is in its place.
void makeFolder(const QString &action, const QString &folder)
{
    const QString parent = QFileInfo(folder).absolutePath();
    if (QFileInfo(folder).isDir() || parent == folder)
        return;
    makeFolder(action, parent);
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) == 0)
        return;
    const int error = errno;
    if (QFileInfo(folder).isDir()) // another run made it meanwhile
        return;
    if (error == EEXIST)
        throw Failure(action, Text::tr("The folder %1 cannot be created.").arg(folder));
    throw Failure(action, Text::tr("No file can be created in the folder %1: %2").arg(parent, systemError(error)));
}

// The settings file as a person should read of it: where it is, and where its link leads.
QString described(const QString &path, const QString &file)
{
    return file == path ? path : Text::tr("%1 (a link to %2)").arg(path, file);
}

// The file's status, or nothing if there is no file; throws if it is not a regular file or
// too large to be a settings file, before anything opens it (a FIFO would block the open).
std::optional<struct stat> checkedStatus(const QString &action, const QString &file)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) // a file in place of a folder on the way: no store yet
            return std::nullopt;
        throw Failure(action, Text::tr("%1 cannot be examined: %2").arg(file, systemError(errno)));
    }
    if (!S_ISREG(status.st_mode))
        throw Failure(action, Text::tr("%1 is not a regular file.").arg(file));
    if (status.st_size > largestFile)
        throw Failure(action, Text::tr("%1 is %2 bytes long, more than the %3 bytes a settings file may have; it "
                                       "was neither read nor changed.")
                                      .arg(file, bytes(status.st_size), bytes(largestFile)));
    return status;
}

// The file's content; its status was checked first (nothing means there is no file).
QByteArray readContent(const QString &action, const QString &path, const std::optional<struct stat> &status)
{
    if (!status)
        return {};
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        throw Failure(action, Text::tr("%1 cannot be read: %2").arg(path, file.errorString()));
    return content;
}

// A short write on a full disk comes back without a reason of its own.
QString writeFailureReason(const QFile &file, qint64 needed)
{
    const QString folder = QFileInfo(file.fileName()).absolutePath();
    const qint64 available = QStorageInfo(folder).bytesAvailable();
    if (available >= 0 && available < needed)
        return Text::tr("The disk that holds %1 is full: the file needs %2 bytes and %3 are free.")
                .arg(folder, bytes(needed), bytes(available));
    return Text::tr("A file in %1 cannot be written: %2").arg(folder, file.errorString());
}

// Temporary files of a save, beside the file they are to replace.
QString savingPrefix(const QString &file)
{
    return u'.' + QFileInfo(file).fileName() + QStringLiteral(".saving-");
}

// Saves that were killed before they could replace the file leave their temporary file. A
// save holds a lock on its own for as long as it writes it, so one that is still being
// written (by a run that found the lock file gone, say) is left alone.
void removeAbandonedSaves(const QString &file)
{
    QDir folder = QFileInfo(file).absoluteDir();
    const QStringList saves = folder.entryList({savingPrefix(file) + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : saves) {
        const int fd = ::open(QFile::encodeName(folder.filePath(name)).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 && lockOpenFile(fd))
            folder.remove(name);
        if (fd >= 0)
            ::close(fd);
    }
}

// Replaces the file in one step: the new content is written and flushed to disk beside it,
// given the old file's owner, group and mode (a new file is its owner's only), and renamed
// over it. A crash leaves the old content or the new, never a mixture. False, with nothing
// written, if the locked file is no longer the one in place.
bool replaceFile(const QString &path, const QByteArray &content, const std::optional<struct stat> &old,
                 const FileLock &lock, const QString &action)
{
    if (content.size() > largestFile)
        throw Failure(action, Text::tr("The settings would take %1 bytes, more than the %2 bytes a settings file "
                                       "may have; nothing was written.")
                                      .arg(bytes(content.size()), bytes(largestFile)));
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryFile file(folder + u'/' + savingPrefix(path) + QStringLiteral("XXXXXX"));
    if (!file.open())
        throw Failure(action, Text::tr("No file can be created in the folder %1: %2")
                                      .arg(folder, file.errorString()));
    lockOpenFile(file.handle()); // not abandoned: no other save may sweep it away
    if (file.write(content) != content.size() || !file.flush())
        throw Failure(action, writeFailureReason(file, content.size()));
    const int handle = file.handle();
    // An ordinary user can only give a file to themselves, and may: it was theirs to replace.
    if (old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
        && ::fchown(handle, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        throw Failure(action, Text::tr("%1 cannot be given its owner: %2").arg(file.fileName(), systemError(errno)));
    if (::fchmod(handle, old ? old->st_mode & 07777 : 0600) != 0 || ::fsync(handle) != 0)
        throw Failure(action, Text::tr("%1 cannot be written: %2").arg(file.fileName(), systemError(errno)));
    if (!lock.isStillAtPath())
        return false;
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw Failure(action, Text::tr("%1 cannot be replaced: %2").arg(path, systemError(errno)));
    file.setAutoRemove(false);
    return true;
}

} // namespace

QString SettingsStore::filePath()
{
    // The XDG base directory rules: a relative XDG_CONFIG_HOME is ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(config))
        config = homeFolder() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/quorvel/settings.ini"));
}

QString SettingsStore::applicationName()
{
    const QStringList arguments = QCoreApplication::arguments();
    const QString executable = arguments.isEmpty() ? QCoreApplication::applicationFilePath() : arguments.first();
    return QFileInfo(executable).completeBaseName();
}

QString SettingsStore::getSetting(const QString &application, const QString &section, const QString &key)
{
    const QString path = filePath();
    const auto reading = [&key](const QString &where) {
        return Text::tr("Reading the setting \"%1\" from %2").arg(key, where);
    };
    const QString file = linkedFile(path, reading(path));
    const QString action = reading(described(path, file));
    const IniDocument document(readContent(action, file, checkedStatus(action, file)));
    return document.value(application, section, key).value_or(QString());
}

void SettingsStore::saveSetting(const QString &application, const QString &section, const QString &key,
                                const QString &value)
{
    const QString path = filePath();
    const auto saving = [&key](const QString &where) {
        return Text::tr("Saving the setting \"%1\" to %2").arg(key, where);
    };
    makeFolder(saving(path), QFileInfo(path).absolutePath());
    const QString file = linkedFile(path, saving(path));
    const QString action = saving(described(path, file));
    checkedStatus(action, file); // a folder or a FIFO in its place is neither created nor locked

    // The lock is on the file itself and spans read, change and replace, so that a concurrent
    // save is never lost. Only a program that takes no lock can put another file in place
    // meanwhile; that file is then locked, read and changed in turn, as another save's would be.
    const QDeadlineTimer deadline(lockTimeoutMs);
    for (;;) {
        FileLock lock(file);
        if (!lock.lock(int(deadline.remainingTime())))
            throw Failure(action, lock.errorString());
        removeAbandonedSaves(file);
        const std::optional<struct stat> old = checkedStatus(action, file);
        IniDocument document(readContent(action, file, old));
        document.setValue(application, section, key, value);
        if (replaceFile(file, document.toByteArray(), old, lock, action))
            return;
        if (deadline.hasExpired())
            throw Failure(action, FileLock::heldTooLong(lockTimeoutMs));
    }
}
