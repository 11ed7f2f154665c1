// SPDX-License-Identifier: MIT
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "core/terminationsignals.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

#include <unistd.h>

using namespace Qt::StringLiterals;
using State = WindowLifecycle::State;

static const QStringList fieldNames{u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s};

static QString stored(const QString &key)
{
    return SettingsStore::getSetting(SettingsStore::applicationName(), u"Recent DBs"_s, key);
}

class TestQVO1 : public TestSupport::WindowTestCase
{
    Q_OBJECT

private:
    static SharedInstance<QVO1> &dialog() { return SharedInstance<QVO1>::get(); }
    static QLineEdit *field(const QString &name) { return dialog().window()->findChild<QLineEdit *>(name); }
    static QPushButton *button(const char *name)
    {
        return dialog().window()->findChild<QPushButton *>(QLatin1StringView(name));
    }
    static QStringList fieldTexts()
    {
        QStringList texts;
        for (const QString &name : fieldNames)
            texts << field(name)->text();
        return texts;
    }
    static void openFromTheMenu()
    {
        auto &main = SharedInstance<QV1>::get();
        main.show();
        main.window()->findChild<QAction *>(u"mnuoptions"_s)->trigger();
    }

private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QString>("tooltip");
        const struct { const char *name; int l, t, w, h; const char *tip; } rows[] = {
            {"Frame1", 120, 120, 6135, 2175, ""},
            {"Label1", 960, 240, 735, 255, ""},
            {"Label2", 360, 600, 1095, 255, ""},
            {"Label3", 1080, 960, 255, 255, ""},
            {"Label4", 960, 1320, 375, 255, ""},
            {"Label5", 1080, 1680, 255, 255, ""},
            {"Text1", 1560, 240, 2655, 285, "Enter your name or company name"},
            {"Text2", 1560, 600, 2655, 285, "Enter your street address"},
            {"Text3", 1560, 960, 2655, 285, "Enter your city"},
            {"Text4", 1560, 1320, 375, 285, "Enter your state"},
            {"Text5", 1560, 1680, 975, 285, "Enter your 5 digit zip code"},
            {"Command1", 5040, 2400, 1215, 375, ""},
            {"Command2", 3720, 2400, 1215, 375, ""},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name)
                                    << TestSupport::twips(row.l, row.t, row.w, row.h)
                                    << QString::fromLatin1(row.tip);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QFETCH(QString, tooltip);
        QWidget *widget = dialog().window()->findChild<QWidget *>(name);
        QCOMPARE(widget->geometry(), expected);
        QCOMPARE(widget->toolTip(), tooltip);
    }

    void window()
    {
        QVO1 *window = dialog().window();
        QCOMPARE(window->windowTitle(), u"User Setup"_s);
        QCOMPARE(window->size(), QSize(432, 195));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY((window->windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
        QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (const QString &name : fieldNames) {
            QLineEdit *box = field(name);
            QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 255));
            QVERIFY(box->font().bold());
            QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
            QVERIFY(box->alignment() & (name == u"Text4" ? Qt::AlignLeft : Qt::AlignHCenter));
        }
        QVERIFY(!button("Command1")->isDefault() && !button("Command2")->isDefault());
        QCOMPARE(window->findChild<QGroupBox *>(u"Frame1"_s)->title(), u"User Information"_s);
    }

    void firstRunOpensEmptyAndEveryCloseCreatesTheEntries_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << u"OK"_s;
        QTest::newRow("Cancel") << u"Cancel"_s;
        QTest::newRow("Esc") << u"Esc"_s;
        QTest::newRow("Enter on the focused Cancel") << u"Enter"_s;
        QTest::newRow("close box") << u"close"_s;
    }

    void firstRunOpensEmptyAndEveryCloseCreatesTheEntries()
    {
        QFETCH(QString, how);
        openFromTheMenu();
        QVERIFY(QTest::qWaitForWindowActive(dialog().window()));
        QCOMPARE(fieldTexts(), QStringList(5));
        QVERIFY(!QFileInfo::exists(SettingsStore::filePath()));
        QCOMPARE(QApplication::focusWidget(), button("Command1"));

        if (how == u"OK")
            QTest::mouseClick(button("Command2"), Qt::LeftButton);
        else if (how == u"Cancel")
            QTest::mouseClick(button("Command1"), Qt::LeftButton);
        else if (how == u"Esc")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (how == u"Enter")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            dialog().window()->close();

        QCOMPARE(dialog().state(), State::NotLoaded);
        QVERIFY(QFileInfo::exists(SettingsStore::filePath()));
        QCOMPARE(TestSupport::storedIssuer(), QStringList(5));
    }

    void cancelSavesEditsFromAnyField_data()
    {
        QTest::addColumn<QString>("focused");
        for (const QString &name : fieldNames)
            QTest::newRow(qPrintable(u"Esc from "_s + name)) << name;
    }

    void cancelSavesEditsFromAnyField()
    {
        QFETCH(QString, focused);
        openFromTheMenu();
        QVERIFY(QTest::qWaitForWindowActive(dialog().window()));
        const QStringList typed{u" Zoë & Co. "_s, u"1 Rue de l'Été"_s, u"Zürich"_s, u"ZH canton"_s, u"8001-CH"_s};
        for (int i = 0; i < fieldNames.size(); ++i)
            field(fieldNames.at(i))->setText(typed.at(i));
        field(focused)->setFocus();
        QTest::keyClick(field(focused), Qt::Key_Return); // presses no button
        QCOMPARE(dialog().state(), State::Shown);
        QTest::keyClick(field(focused), Qt::Key_Escape);
        QCOMPARE(dialog().state(), State::NotLoaded);
        QCOMPARE(TestSupport::storedIssuer(), typed);
        openFromTheMenu();
        QCOMPARE(fieldTexts(), typed);
    }

    void longStoredValueShowsItsStart()
    {
        TestSupport::storeIssuer({u"Start of a name that is far too long for its box, and its end"_s});
        openFromTheMenu();
        QCOMPARE(field(u"Text1"_s)->cursorPosition(), 0);
    }

    void tabOrderStartsAtCancel()
    {
        openFromTheMenu();
        QVERIFY(QTest::qWaitForWindowActive(dialog().window()));
        QStringList visited;
        for (int i = 0; i < 8; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{u"Command1"_s, u"Command2"_s, u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s,
                                       u"Text5"_s, u"Command1"_s}));
    }

    void menuShowsTheOneLoadedDialogWithoutReloading()
    {
        TestSupport::storeIssuer({u"stored"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        // A preview loads the dialog hidden, then the store changes behind its back.
        SharedInstance<QV1>::get().show();
        SharedInstance<QVRP>::get().window();
        QCOMPARE(dialog().state(), State::LoadedHidden);
        QPointer<QVO1> loaded = dialog().window();
        TestSupport::storeIssuer({u"changed later"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});

        openFromTheMenu();
        QCOMPARE(dialog().state(), State::Shown);
        QCOMPARE(dialog().window(), loaded.data());
        QCOMPARE(field(u"Text1"_s)->text(), u"stored"_s);
        field(u"Text1"_s)->setText(u"edited"_s);
        openFromTheMenu();
        QCOMPARE(dialog().window(), loaded.data());
        QCOMPARE(field(u"Text1"_s)->text(), u"edited"_s);
    }

    void hiddenDialogIsNotSavedWhenTheRunEnds()
    {
        TestSupport::storeIssuer({u"ours"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        SharedInstance<QV1>::get().show();
        SharedInstance<QVRP>::get().show();
        QCOMPARE(dialog().state(), State::LoadedHidden);
        // Another run saves meanwhile; ending this run must not write the old values back.
        TestSupport::storeIssuer({u"theirs"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        SharedInstance<QV1>::get().window()->close();
        SharedInstance<QVRP>::get().window()->close();
        QCOMPARE(dialog().state(), State::NotLoaded);
        QCOMPARE(stored(u"Text1DB"_s), u"theirs"_s);
    }

    void closingTheMainWindowLeavesTheDialogOpen()
    {
        openFromTheMenu();
        field(u"Text3"_s)->setText(u"Springfield"_s);
        SharedInstance<QV1>::get().window()->close();
        QCOMPARE(dialog().state(), State::Shown);
        button("Command2")->click();
        QCOMPARE(stored(u"Text3DB"_s), u"Springfield"_s);
    }

    void anotherExecutableNameStartsEmpty()
    {
        TestSupport::storeIssuer({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        QFile file(SettingsStore::filePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray content = file.readAll();
        // What a run under another name would find: its own application level is empty.
        content.replace(SettingsStore::applicationName().toUtf8(), "renamed");
        file.seek(0);
        file.write(content);
        file.close();
        QCOMPARE(fieldTexts(), QStringList(5));
    }

    void damagedFileStillOpens_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name"); // what Text1 shows
        const QByteArray header = "[" + SettingsStore::applicationName().toUtf8() + "/Recent DBs]\n";
        QByteArray noise(4096, '\0');
        QRandomGenerator random(7);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        QTest::newRow("random bytes") << noise << QString();
        QTest::newRow("random bytes around the entries") << noise + '\n' + header + "Text1DB=Acme\n" + noise << u"Acme"_s;
        QTest::newRow("truncated line") << header + "Text1DB=\"Acme Lt" << u"Acme Lt"_s;
        QTest::newRow("invalid UTF-8") << header + "Text1DB=\xff\xfe" "Acme\xc0\n" << u"\uFFFD\uFFFDAcme\uFFFD"_s;
        QByteArray large = header;
        while (large.size() < 10 * 1024 * 1024)
            large += "garbage without an equals sign, line after line\n";
        QTest::newRow("10 MB") << large + "Text1DB=at the end\n" << u"at the end"_s;
    }

    void damagedFileStillOpens()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QDir().mkpath(QFileInfo(SettingsStore::filePath()).absolutePath());
        QFile file(SettingsStore::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        openFromTheMenu();
        QCOMPARE(dialog().state(), State::Shown);
        QCOMPARE(field(u"Text1"_s)->text(), name);
        field(u"Text2"_s)->setText(u"new street"_s);
        button("Command2")->click();
        QVERIFY(TestSupport::errorReports().isEmpty());
        QCOMPARE(stored(u"text2DB"_s), u"new street"_s);
        QCOMPARE(stored(u"Text1DB"_s), name);
    }

    void fullDiskReportsAndKeepsTheFile()
    {
        if (geteuid() != 0)
            QSKIP("mounting a small file system for a full disk needs root");
        const QString folder = QFileInfo(SettingsStore::filePath()).absolutePath();
        QDir().mkpath(folder);
        if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, folder}) != 0)
            QSKIP("this machine does not allow mounting a tmpfs");
        auto unmount = qScopeGuard([&folder] { QProcess::execute(u"umount"_s, {folder}); });
        TestSupport::storeIssuer({u"before"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        QFile file(SettingsStore::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        openFromTheMenu();
        field(u"Text1"_s)->setText(QString(1 << 20, u'x'));
        TestSupport::FailedCloseAnswers person({u"Back"_s});
        button("Command1")->click();

        QVERIFY2(person.questions.value(0).contains(u"is full: the file needs"_s), qPrintable(person.questions.value(0)));
        QVERIFY(person.questions.value(0).startsWith(u"Saving \u201CName\u201D to "_s)); // the field as the person knows it
        QCOMPARE(dialog().state(), State::Shown);
        QCOMPARE(field(u"Text1"_s)->text().size(), 1 << 20);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // The configuration folder is a file, so nothing can be saved, and the main window is
    // gone: the person can still close User Setup, and then the run ends.
    void unsavableDialogNeverTrapsThePerson()
    {
        QFile blocker(QFileInfo(SettingsStore::filePath()).absolutePath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        openFromTheMenu();
        field(u"Text1"_s)->setText(u"typed"_s);
        SharedInstance<QV1>::get().window()->findChild<QAction *>(u"mnuexit"_s)->trigger();
        QSignalSpy ended(&OpenWindows::instance(), &OpenWindows::lastShownWindowClosed);

        TestSupport::FailedCloseAnswers person({u"Back"_s, u"Close Without Saving"_s});
        button("Command1")->click();
        QCOMPARE(dialog().state(), State::Shown);
        QCOMPARE(field(u"Text1"_s)->text(), u"typed"_s);
        dialog().window()->close();

        QCOMPARE(person.questions.size(), 2);
        QVERIFY(person.questions.first().contains(u"cannot be created"_s));
        QVERIFY(person.questions.first().contains(u"close User Setup without saving"_s));
        QCOMPARE(dialog().state(), State::NotLoaded);
        QCOMPARE(ended.count(), 1);
    }

    void unwritableStoreReportsAndKeepsTheDialog()
    {
        if (geteuid() != 0)
            QSKIP("a read-only mount needs root; as another user the permission case is covered by the store test");
        TestSupport::storeIssuer({u"on disk"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        const QString folder = QFileInfo(SettingsStore::filePath()).absolutePath();
        if (QProcess::execute(u"mount"_s, {u"--bind"_s, folder, folder}) != 0
            || QProcess::execute(u"mount"_s, {u"-o"_s, u"remount,ro,bind"_s, folder}) != 0)
            QSKIP("this machine does not allow a read-only bind mount");
        auto unmount = qScopeGuard([&folder] { QProcess::execute(u"umount"_s, {folder}); });

        openFromTheMenu();
        field(u"Text1"_s)->setText(u"typed, not savable"_s);
        TestSupport::FailedCloseAnswers person({u"Back"_s});
        button("Command2")->click();

        QVERIFY(person.questions.value(0).contains(SettingsStore::filePath()));
        QCOMPARE(dialog().state(), State::Shown);
        QCOMPARE(field(u"Text1"_s)->text(), u"typed, not savable"_s);
        QCOMPARE(stored(u"Text1DB"_s), u"on disk"_s);
        // The application goes on: the main window still answers.
        SharedInstance<QV1>::get().window()->findChild<QLineEdit *>(u"Text2"_s)->setText(u"still here"_s);
        QCOMPARE(SharedInstance<QV1>::get().state(), State::Shown);
    }

    // A signal to end the program closes User Setup as its close box would: it saves what
    // it holds, and asks nothing when the save fails (the file then stays as it was).
    void endingSignalClosesAsThePersonWould_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("writable");
        QTest::newRow("SIGTERM") << SIGTERM << true;
        QTest::newRow("SIGINT") << SIGINT << true;
        QTest::newRow("SIGHUP") << SIGHUP << true;
        QTest::newRow("SIGTERM, store that cannot be written") << SIGTERM << false;
    }

    void endingSignalClosesAsThePersonWould()
    {
        QFETCH(int, signal);
        QFETCH(bool, writable);
        static const bool installed = (TerminationSignals::install(), true);
        QVERIFY(installed);
        const QString folder = QFileInfo(SettingsStore::filePath()).absolutePath();
        if (!writable) // a file where the store's folder belongs
            QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        auto &setup = SharedInstance<QVO1>::get();
        setup.show();
        setup.window()->findChild<QLineEdit *>(u"Text1"_s)->setText(u"typed before the signal"_s);
        TestSupport::FailedCloseAnswers answers({u"Back"_s});
        std::raise(signal);
        QTRY_COMPARE(setup.state(), WindowLifecycle::State::NotLoaded);
        QVERIFY(answers.questions.isEmpty());
        QCOMPARE(TestSupport::storedIssuer().first(), writable ? u"typed before the signal"_s : QString());
        QCOMPARE(QFileInfo(folder).isFile(), !writable);
    }
};

QTEST_MAIN(TestQVO1)
#include "tst_qvo1.moc"
