// SPDX-License-Identifier: MIT
#include "settingsstore.h"

#include "inidocument.h"
#include "main/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {

constexpr int lockTimeoutMs = 10'000;
// A save takes milliseconds. A run killed while creating its lock file leaves one that names
// no process, which only its age marks as stale: it must not block saves for long.
constexpr int staleLockMs = 3'000;

QString readAction(const QString &key)
{
    return QStringLiteral("Reading the setting \"%1\" from %2").arg(key, SettingsStore::filePath());
}

QString saveAction(const QString &key)
{
    return QStringLiteral("Saving the setting \"%1\" to %2").arg(key, SettingsStore::filePath());
}

QByteArray readContent(const QString &action)
{
    QFile file(SettingsStore::filePath());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(action, file.errorString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(action, file.errorString());
    return content;
}

QString lockFailureReason(const QLockFile &lock)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("Another run of the program kept the file locked for too long.");
    case QLockFile::PermissionError:
        return QStringLiteral("Permission denied: the lock file %1.lock cannot be created.")
                .arg(SettingsStore::filePath());
    default:
        return QStringLiteral("The lock file %1.lock cannot be created.").arg(SettingsStore::filePath());
    }
}

// A short write on a full disk comes back without a reason of its own.
QString writeFailureReason(const QSaveFile &file, qint64 needed)
{
    const qint64 available = QStorageInfo(QFileInfo(file.fileName()).absolutePath()).bytesAvailable();
    if (available >= 0 && available < needed)
        return QStringLiteral("The disk is full: the file needs %1 bytes and %2 are free.").arg(needed).arg(available);
    return file.errorString();
}

} // namespace

QString SettingsStore::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/quorvel/settings.ini");
}

QString SettingsStore::applicationName()
{
    const QStringList arguments = QCoreApplication::arguments();
    const QString executable = arguments.isEmpty() ? QCoreApplication::applicationFilePath() : arguments.first();
    return QFileInfo(executable).completeBaseName();
}

QString SettingsStore::getSetting(const QString &application, const QString &section, const QString &key)
{
    const IniDocument document(readContent(readAction(key)));
    return document.value(application, section, key).value_or(QString());
}

void SettingsStore::saveSetting(const QString &application, const QString &section, const QString &key,
                                const QString &value)
{
    const QString action = saveAction(key);
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw Failure(action, QStringLiteral("The folder %1 cannot be created.").arg(QFileInfo(path).absolutePath()));

    // The lock spans read, change and replace, so that a concurrent save is never lost.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(staleLockMs);
    if (!lock.tryLock(lockTimeoutMs))
        throw Failure(action, lockFailureReason(lock));

    IniDocument document(readContent(action));
    document.setValue(application, section, key, value);
    const QByteArray content = document.toByteArray();

    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself and says so.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure(action, file.errorString());
    // The file holds the user's name and address.
    if (isNew)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(content) != content.size())
        throw Failure(action, writeFailureReason(file, content.size()));
    if (!file.commit())
        throw Failure(action, file.errorString());
}
