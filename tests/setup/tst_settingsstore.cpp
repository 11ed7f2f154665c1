// SPDX-License-Identifier: MIT
#include "main/failure.h"
#include "setup/inidocument.h"
#include "setup/settingsstore.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

static const QString section = u"Recent DBs"_s;
static const QStringList keysWritten{u"text1Db"_s, u"text2Db"_s, u"text3Db"_s, u"Text4Db"_s, u"Text5Db"_s};
static const QStringList keysRead{u"Text1DB"_s, u"text2DB"_s, u"Text3DB"_s, u"Text4DB"_s, u"Text5DB"_s};

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

    void unwritableStoreFailsAndKeepsTheFile()
    {
        if (geteuid() != 0)
            QSKIP("needs root to drop to another user for a directory it cannot write");
        SettingsStore::saveSetting(u"quorvel"_s, section, u"text1Db"_s, u"before"_s);
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
        QVERIFY2(message.contains(u"ermission denied"_s), qPrintable(message));
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
