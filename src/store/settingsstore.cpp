// SPDX-License-Identifier: MIT
#include "settingsstore.h"

#include "filelock.h"
#include "inidocument.h"
#include "base/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int lockTimeoutMs = 10'000;
// Five short entries make a few hundred bytes; anything this large is not a settings file.
constexpr qint64 largestFile = 64 * 1024 * 1024;
// Temporary files of a save, beside the store until they replace it.
const QString savingPrefix = QStringLiteral(".settings.ini.saving-");

QString readAction(const QString &key)
{
    return QCoreApplication::translate("SettingsStore", "Reading the setting \"%1\" from %2")
            .arg(key, SettingsStore::filePath());
}

QString saveAction(const QString &key)
{
    return QCoreApplication::translate("SettingsStore", "Saving the setting \"%1\" to %2")
            .arg(key, SettingsStore::filePath());
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

// The file's status, or nothing if there is no file; throws if it is not a regular file or
// too large to be a settings file, before anything opens it (a FIFO would block the open).
std::optional<struct stat> checkedStatus(const QString &action)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(SettingsStore::filePath()).constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) // a file in place of a folder on the way: no store yet
            return std::nullopt;
        throw Failure(action, systemError(errno));
    }
    if (!S_ISREG(status.st_mode))
        throw Failure(action, QCoreApplication::translate("SettingsStore", "It is not a regular file."));
    if (status.st_size > largestFile)
        throw Failure(action, QCoreApplication::translate("SettingsStore", "The file is %1 MB, too large to be a settings "
                                                                           "file (at most %2 MB); it was neither read nor "
                                                                           "changed.")
                                      .arg(status.st_size / (1024 * 1024))
                                      .arg(largestFile / (1024 * 1024)));
    return status;
}

// The file's content; its status was checked first (nothing means there is no file).
QByteArray readContent(const QString &action, const std::optional<struct stat> &status)
{
    if (!status)
        return {};
    QFile file(SettingsStore::filePath());
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(action, file.errorString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(action, file.errorString());
    return content;
}

// A short write on a full disk comes back without a reason of its own.
QString writeFailureReason(const QFile &file, qint64 needed)
{
    const qint64 available = QStorageInfo(QFileInfo(file.fileName()).absolutePath()).bytesAvailable();
    if (available >= 0 && available < needed)
        return QCoreApplication::translate("SettingsStore", "The disk is full: the file needs %1 bytes and %2 are free.")
                .arg(needed)
                .arg(available);
    return file.errorString();
}

// Saves that were killed before they could replace the store leave their temporary file;
// while the lock is held no other save is writing one.
void removeAbandonedSaves(QDir folder)
{
    for (const QString &name : folder.entryList({savingPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

// Replaces the file in one step: the new content is written and flushed to disk beside it,
// given the old file's owner, group and mode (a new file is its owner's only), and renamed
// over it. A crash leaves the old content or the new, never a mixture.
void replaceFile(const QString &path, const QByteArray &content, const std::optional<struct stat> &old,
                 const QString &action)
{
    QTemporaryFile file(QFileInfo(path).absolutePath() + u'/' + savingPrefix + QStringLiteral("XXXXXX"));
    if (!file.open())
        throw Failure(action, file.errorString());
    if (file.write(content) != content.size() || !file.flush())
        throw Failure(action, writeFailureReason(file, content.size()));
    const int handle = file.handle();
    // An ordinary user can only give a file to themselves, and may: it was theirs to replace.
    if (old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
        && ::fchown(handle, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        throw Failure(action, systemError(errno));
    if (::fchmod(handle, old ? old->st_mode & 07777 : 0600) != 0 || ::fsync(handle) != 0)
        throw Failure(action, systemError(errno));
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw Failure(action, systemError(errno));
    file.setAutoRemove(false);
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
    const QString action = readAction(key);
    const IniDocument document(readContent(action, checkedStatus(action)));
    return document.value(application, section, key).value_or(QString());
}

void SettingsStore::saveSetting(const QString &application, const QString &section, const QString &key,
                                const QString &value)
{
    const QString action = saveAction(key);
    const QString path = filePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Failure(action,
                      QCoreApplication::translate("SettingsStore", "The folder %1 cannot be created.").arg(folder));

    // The lock spans read, change and replace, so that a concurrent save is never lost.
    FileLock lock(path + QStringLiteral(".lock"));
    if (!lock.lock(lockTimeoutMs))
        throw Failure(action, lock.errorString());
    removeAbandonedSaves(QDir(folder));

    const std::optional<struct stat> old = checkedStatus(action);
    IniDocument document(readContent(action, old));
    document.setValue(application, section, key, value);
    replaceFile(path, document.toByteArray(), old, action);
}
