// SPDX-License-Identifier: MIT
#include "base/failure.h"
#include "store/filelock.h"
#include "store/inidocument.h"
#include "store/issuerkeys.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <optional>
#include <thread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

static const QString &section = IssuerKeys::section;

static QStringList keyList(QString IssuerKeys::Key::*which)
{
    QStringList keys;
    for (const IssuerKeys::Key &key : IssuerKeys::keys)
        keys << key.*which;
    return keys;
}

static const QStringList keysWritten = keyList(&IssuerKeys::Key::written);
static const QStringList keysRead = keyList(&IssuerKeys::Key::read);

static QByteArray fileContent()
{
    QFile file(SettingsStore::filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static void writeFile(const QByteArray &content)
{
    QDir().mkpath(QFileInfo(SettingsStore::filePath()).absolutePath());
    QFile file(SettingsStore::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Entry lines of the file whose key matches, in any letter case.
static int entriesNamed(const QString &key)
{
    int count = 0;
    for (const QByteArray &line : fileContent().split('\n'))
        count += QString::fromUtf8(line).section(u'=', 0, 0).trimmed().compare(key, Qt::CaseInsensitive) == 0;
    return count;
}

static unsigned fileMode()
{
    struct stat status = {};
    ::stat(QFile::encodeName(SettingsStore::filePath()).constData(), &status);
    return status.st_mode & 0777;
}

static QString read(const QString &application, const QString &key)
{
    return SettingsStore::getSetting(application, section, key);
}

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedConfig> m_config;

private slots:
    void init() { m_config = std::make_unique<TestSupport::IsolatedConfig>(); }
    void cleanup() { m_config.reset(); }

    void fileLivesInTheUsersConfiguration()
    {
        QCOMPARE(SettingsStore::filePath(), m_config->path() + u"/quorvel/settings.ini"_s);
        QCOMPARE(SettingsStore::applicationName(), u"tst_settingsstore"_s);
    }

    void missingEntriesReadEmptyAndCreateNothing()
    {
        for (const QString &key : keysRead)
            QCOMPARE(read(u"quorvel"_s, key), QString());
        QVERIFY(!QFileInfo::exists(SettingsStore::filePath()));
        QVERIFY(!QFileInfo::exists(QFileInfo(SettingsStore::filePath()).absolutePath()));
    }

    void rules_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("application");
        QTest::addColumn<QString>("value");

        QTest::newRow("first save") << QByteArray() << u"quorvel"_s << u"Acme"_s;
        QTest::newRow("empty values are entries") << QByteArray() << u"quorvel"_s << QString();
        QTest::newRow("capital keys typed by hand") << QByteArray("[quorvel/Recent DBs]\nTEXT1DB=hand\nTEXT5DB=hand\n")
                                                     << u"quorvel"_s << u"saved"_s;
        QTest::newRow("mixed-case section and application") << QByteArray("[QUORVEL/recent dbs]\ntext1DB=hand\n")
                                                             << u"Quorvel"_s << u"x"_s;
        QTest::newRow("another executable name") << QByteArray("[quorvel/Recent DBs]\nText1DB=kept\n") << u"renamed"_s
                                                 << u"own"_s;
        QTest::newRow("byte-order mark from an editor") << QByteArray("\xEF\xBB\xBF[quorvel/Recent DBs]\nText1DB=hand\n")
                                                        << u"quorvel"_s << u"saved"_s;
    }

    // Save under the written keys, read under the read keys: one entry per row, whatever
    // the letter case, and other applications' entries untouched.
    void rules()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, application);
        QFETCH(QString, value);
        if (!before.isEmpty())
            writeFile(before);
        const QString quorvelBefore = read(u"quorvel"_s, u"Text1DB"_s);

        for (int round = 0; round < 3; ++round) {
            for (const QString &key : keysWritten)
                SettingsStore::saveSetting(application, section, key, value);
        }
        for (int row = 0; row < keysRead.size(); ++row) {
            QCOMPARE(read(application, keysRead.at(row)), value);
            QCOMPARE(read(application.toUpper(), keysRead.at(row).toLower()), value);
        }
        QCOMPARE(fileContent().startsWith("\xEF\xBB\xBF"), before.startsWith("\xEF\xBB\xBF"));
        if (application.compare(u"quorvel"_s, Qt::CaseInsensitive) != 0) {
            QCOMPARE(read(u"quorvel"_s, u"Text1DB"_s), quorvelBefore);
            QVERIFY(fileContent().contains("Text1DB=kept\n"));
        } else {
            for (const QString &key : keysWritten)
                QCOMPARE(entriesNamed(key), 1);
        }
    }

    void newFileIsPrivateAndExistingModeIsKept()
    {
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"Name"_s);
        QCOMPARE(fileMode(), 0600u);
        QVERIFY(::chmod(QFile::encodeName(SettingsStore::filePath()).constData(), 0640) == 0);
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"Other"_s);
        QCOMPARE(fileMode(), 0640u);
    }

    // A store that cannot work says why at once: it neither blocks nor blames another run.
    void brokenStoreFailsAtOnceWithTheReason_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("settings file is a FIFO") << u"fifo"_s << u"not a regular file"_s;
        QTest::newRow("settings file is a folder") << u"folder"_s << u"not a regular file"_s;
        QTest::newRow("settings file too large") << u"huge"_s << u"bytes long, more than the 67,108,864 bytes"_s;
        QTest::newRow("a save would pass the limit") << u"at the limit"_s
                                                     << u"would take 67,108,899 bytes, more than the 67,108,864"_s;
        QTest::newRow("chain of 50 links") << u"links"_s << u"Too many levels of symbolic links"_s;
    }

    void brokenStoreFailsAtOnceWithTheReason()
    {
        QFETCH(QString, breakage);
        QFETCH(QString, reason);
        const QString path = SettingsStore::filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (breakage == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (breakage == u"folder")
            QVERIFY(QDir().mkdir(path));
        for (int link = 1; breakage == u"links" && link <= 50; ++link)
            QVERIFY(QFile::link(path + QString::number(link), link == 1 ? path : path + QString::number(link - 1)));
        const qint64 size = breakage == u"huge" ? 65 * 1024 * 1024 : 64 * 1024 * 1024;
        if (breakage == u"huge" || breakage == u"at the limit")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) && QFile(path).resize(size));

        QElapsedTimer clock;
        clock.start();
        try {
            SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"x"_s);
            QFAIL("the save succeeded");
        } catch (const Failure &failure) {
            QVERIFY2(failure.reason().contains(reason), qPrintable(failure.reason()));
        }
        QVERIFY(clock.elapsed() < 2000);
        if (breakage == u"huge" || breakage == u"at the limit")
            QCOMPARE(QFileInfo(path).size(), size);
        if (breakage == u"huge")
            QVERIFY_THROWS_EXCEPTION(Failure, read(u"quorvel"_s, u"Text1DB"_s));
    }

    // A settings file that is a link (as dotfile managers make it) is written through, and
    // stays a link; a link that leads nowhere writable is reported, naming both.
    void linkedFileIsWrittenThrough_data()
    {
        QTest::addColumn<QStringList>("links"); // settings.ini, then each link's target in turn
        QTest::addColumn<bool>("writable");
        QTest::newRow("link") << QStringList{u"dotfiles/settings.ini"_s} << true;
        QTest::newRow("link to a link") << QStringList{u"dotfiles/current.ini"_s, u"dotfiles/settings.ini"_s} << true;
        QTest::newRow("link into a missing folder") << QStringList{u"gone/settings.ini"_s} << false;
        QTest::newRow("relative link in a linked folder") << QStringList{u"../x/settings.ini"_s} << true;
    }

    void linkedFileIsWrittenThrough()
    {
        QFETCH(QStringList, links);
        QFETCH(bool, writable);
        QString link = SettingsStore::filePath();
        // The store's own folder is a link too, as dotfile managers make it.
        for (const QString &folder : {u"/dotfiles"_s, u"/real/quorvel"_s, u"/real/x"_s})
            QDir().mkpath(m_config->path() + folder);
        QVERIFY(QFile::link(m_config->path() + u"/real/quorvel"_s, QFileInfo(link).absolutePath()));
        for (const QString &target : std::as_const(links)) {
            QVERIFY(QFile::link(target.startsWith(u".."_s) ? target : m_config->path() + u'/' + target, link));
            link = m_config->path() + u'/' + target;
        }
        try {
            SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"through"_s);
            QVERIFY(writable);
        } catch (const Failure &failure) {
            QVERIFY(!writable);
            QVERIFY2(failure.action().contains(u"(a link to "_s + link), qPrintable(failure.action()));
        }
        QVERIFY(QFileInfo(SettingsStore::filePath()).isSymLink());
        if (writable)
            QCOMPARE(read(u"quorvel"_s, u"Text1DB"_s), u"through"_s);
    }

    // Saves never sweep away the temporary file of a save that another run is writing.
    void aSaveBeingWrittenIsNotSweptAway()
    {
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"before"_s);
        QFile saving(QFileInfo(SettingsStore::filePath()).absolutePath() + u"/.settings.ini.saving-Busy01"_s);
        QVERIFY(saving.open(QIODevice::ReadWrite));
        QVERIFY(lockOpenFile(saving.handle()));
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"after"_s);
        QVERIFY(saving.exists());
        saving.close();
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"again"_s);
        QVERIFY(!saving.exists());
    }

    // A settings file removed while another save waited for its lock is locked again at its path.
    void lockFileRemovedDuringTheWaitIsTakenAgain()
    {
        const QString lockPath = SettingsStore::filePath(); // the lock is on the settings file itself
        QDir().mkpath(QFileInfo(lockPath).absolutePath());
        auto holder = std::make_unique<FileLock>(lockPath);
        QVERIFY(holder->lock(0));
        std::optional<QString> failed;
        std::thread waiter([&failed] {
            try {
                SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"waited"_s);
            } catch (const Failure &failure) {
                failed = failure.reason();
            }
        });
        QTest::qSleep(200);
        QVERIFY(QFile::remove(lockPath));
        holder.reset();
        waiter.join();
        QVERIFY2(!failed, qPrintable(failed.value_or(QString())));
        QVERIFY(QFileInfo::exists(lockPath));
        QCOMPARE(read(u"quorvel"_s, u"Text1DB"_s), u"waited"_s);
    }

    void lockHeldTooLongIsReported()
    {
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"before"_s);
        FileLock holder(SettingsStore::filePath());
        QVERIFY(holder.lock(0));
        QElapsedTimer clock;
        clock.start();
        QVERIFY_THROWS_EXCEPTION(Failure, SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"x"_s));
        QVERIFY(clock.elapsed() >= 9'000 && clock.elapsed() < 15'000);
        QCOMPARE(read(u"quorvel"_s, u"Text1DB"_s), u"before"_s);
    }

    // The XDG base directory rules: relative paths are ignored.
    void storeLivesUnderAnAbsoluteFolder_data()
    {
        QTest::addColumn<QByteArray>("xdgConfigHome");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("relative XDG_CONFIG_HOME") << QByteArray("relative/config") << QByteArray("/home/ada")
                                                  << u"/home/ada/.config/quorvel/settings.ini"_s;
        QTest::newRow("no XDG_CONFIG_HOME") << QByteArray() << QByteArray("/home/ada")
                                            << u"/home/ada/.config/quorvel/settings.ini"_s;
        QTest::newRow("relative HOME too") << QByteArray() << QByteArray("ada")
                                           << QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir)
                                                      + u"/.config/quorvel/settings.ini"_s;
    }

    void storeLivesUnderAnAbsoluteFolder()
    {
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, expected);
        const TestSupport::ScopedVariable config("XDG_CONFIG_HOME", xdgConfigHome), user("HOME", home);
        QCOMPARE(SettingsStore::filePath(), QDir::cleanPath(expected));
    }

    // Run through sudo -E, a save must leave the user's file theirs; a killed save's
    // temporary file is swept up by the next save.
    void saveKeepsOwnerAndModeAndSweepsAbandonedFiles()
    {
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"before"_s);
        const QByteArray path = QFile::encodeName(SettingsStore::filePath());
        QVERIFY(::chmod(path.constData(), 0640) == 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::chown(path.constData(), 65534, 65534) == 0);
        QFile abandoned(QFileInfo(SettingsStore::filePath()).absolutePath() + u"/.settings.ini.saving-AbC123"_s);
        QVERIFY(abandoned.open(QIODevice::WriteOnly));
        abandoned.close();

        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"after"_s);
        struct stat status = {};
        QCOMPARE(::stat(path.constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, 0640u);
        if (root) {
            QCOMPARE(status.st_uid, 65534u);
            QCOMPARE(status.st_gid, 65534u);
        }
        QVERIFY(!abandoned.exists());
        QCOMPARE(QDir(QFileInfo(SettingsStore::filePath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"settings.ini"_s});
        QCOMPARE(read(u"quorvel"_s, u"Text1DB"_s), u"after"_s);
    }

    void killedSaveLeavesOldOrNewContent()
    {
        QUORVEL_LONG_TEST();
        for (const QString &key : keysWritten)
            SettingsStore::saveSetting(u"quorvel"_s, section, key, u"old"_s);
        static const QRegularExpression oldOrNew(u"^(old|new\\d+)$"_s);
        for (int kill = 0; kill < 200; ++kill) {
            QProcess saver;
            saver.start(QStringLiteral(SETTINGS_SAVER), {u"new"_s, u"0"_s});
            QVERIFY2(saver.waitForReadyRead(10'000), qPrintable(u"round "_s + QString::number(kill)));
            QTest::qSleep(QRandomGenerator::global()->bounded(1, 15));
            saver.kill();
            saver.waitForFinished();
            const IniDocument document(fileContent());
            for (const QString &key : keysRead) {
                const QString value = document.value(u"quorvel"_s, section, key).value_or(u"<missing>"_s);
                QVERIFY2(oldOrNew.match(value).hasMatch(), qPrintable(key + u" = "_s + value));
            }
        }
    }

    void concurrentSavesLoseNothing()
    {
        QUORVEL_LONG_TEST();
        QProcess first, second;
        first.start(QStringLiteral(SETTINGS_SAVER), {u"a"_s, u"1000"_s});
        second.start(QStringLiteral(SETTINGS_SAVER), {u"b"_s, u"1000"_s});
        QVERIFY(first.waitForFinished(120'000) && second.waitForFinished(120'000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        // Each run's last save of an entry is its round 1000, so whichever wrote last, the
        // entry holds one of those two values.
        static const QRegularExpression written(u"^[ab]1000$"_s);
        for (int row = 0; row < keysRead.size(); ++row) {
            QVERIFY(written.match(read(u"quorvel"_s, keysRead.at(row))).hasMatch());
            QCOMPARE(entriesNamed(keysWritten.at(row)), 1);
        }
    }

    // Two runs save 200 new entries each while a third keeps removing the former lock file: none is lost.
    void concurrentSavesKeepEveryEntry()
    {
        QProcess cleaner, first, second;
        cleaner.start(u"sh"_s, {u"-c"_s, u"while :; do rm -f \"$0\"; done"_s, SettingsStore::filePath() + u".lock"_s});
        first.start(QStringLiteral(SETTINGS_SAVER), {u"a"_s, u"200"_s, u"new-keys"_s});
        second.start(QStringLiteral(SETTINGS_SAVER), {u"b"_s, u"200"_s, u"new-keys"_s});
        QVERIFY(first.waitForFinished(60'000) && second.waitForFinished(60'000));
        cleaner.kill();
        cleaner.waitForFinished();
        QCOMPARE(first.exitCode() + second.exitCode(), 0);
        for (int round = 1; round <= 200; ++round)
            for (const QString &run : {u"a"_s, u"b"_s})
                QCOMPARE(read(u"quorvel"_s, run + QString::number(round)), run + QString::number(round));
    }

    // The report names the folder that the person can act on, and why it cannot be written.
    void unwritableStoreFailsAndKeepsTheFile_data()
    {
        QTest::addColumn<QString>("gone"); // removed before the save
        QTest::newRow("settings file in the folder") << QString();
        QTest::newRow("no file in the folder") << u"quorvel/settings.ini"_s;
        QTest::newRow("no folder") << u"quorvel"_s;
    }

    void unwritableStoreFailsAndKeepsTheFile()
    {
        QFETCH(QString, gone);
        if (geteuid() != 0)
            QSKIP("needs root to drop to another user for a directory it cannot write");
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"before"_s);
        const QString removed = m_config->path() + u'/' + gone;
        if (!gone.isEmpty())
            QVERIFY(QFile::remove(removed) || QDir(removed).removeRecursively());
        const QByteArray before = fileContent();
        QFile::setPermissions(m_config->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                        | QFileDevice::ReadOther | QFileDevice::ExeOther);
        QFile::setPermissions(SettingsStore::filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                 | QFileDevice::ReadOther);
        QProcess saver;
        saver.start(u"setpriv"_s, {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s,
                                   QStringLiteral(SETTINGS_SAVER), u"x"_s, u"1"_s});
        QVERIFY(saver.waitForFinished(10'000));
        QCOMPARE(saver.exitCode(), 1);
        const QString message = QString::fromLocal8Bit(saver.readAllStandardError());
        QVERIFY2(message.contains(SettingsStore::filePath()), qPrintable(message));
        QVERIFY(message.contains(u"folder "_s + m_config->path()) && message.contains(u": Permission denied"_s));
        QCOMPARE(fileContent(), before);
    }

    void unreadableFileIsAFailureNotAnEmptyStore()
    {
        writeFile("[quorvel/Recent DBs]\nText1DB=x\n");
        QFile::setPermissions(SettingsStore::filePath(), {});
        if (QFile(SettingsStore::filePath()).open(QIODevice::ReadOnly))
            QSKIP("root reads any file; the unreadable case needs another user");
        QVERIFY_THROWS_EXCEPTION(Failure, read(u"quorvel"_s, u"Text1DB"_s));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
