// SPDX-License-Identifier: MIT
#include "base/failure.h"
#include "core/handlerguard.h"
#include "core/openwindows.h"
#include "core/sharedinstance.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// What the probe windows' steps did, in order.
static QStringList stepLog;
static bool failLoadStep = false;
static int unloadStepFailures = 0; // how many unload steps still fail

class ProbeWindow : public QWidget, private LoadStep, private UnloadStep
{
public:
    ProbeWindow()
        : field(new QLineEdit(this))
    {
    }
    QLineEdit *field;

private:
    friend class SharedInstance<ProbeWindow>;
    void loadStep() override
    {
        stepLog << QStringLiteral("load");
        field->setText(QStringLiteral("loaded"));
        if (failLoadStep)
            throw Failure(QStringLiteral("Loading the probe"), QStringLiteral("the store is gone"));
    }
    void unloadStep() override
    {
        stepLog << QStringLiteral("unload");
        if (unloadStepFailures > 0 && unloadStepFailures--)
            throw Failure(QStringLiteral("Saving the probe"), QStringLiteral("the disk is full"));
    }
};

// A window class without steps, shown as a tool window like the secondary windows.
class ToolWindow : public QWidget
{
public:
    ToolWindow() { setWindowFlags(Qt::Tool); }
};

class PlainWindow : public QWidget
{
};

using State = WindowLifecycle::State;
enum class Action { Refer, Show, Unload, CloseBox };

Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Action)

class TestWindowLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        TestSupport::discardEverything();
        stepLog.clear();
        failLoadStep = false;
        unloadStepFailures = 0;
    }

    void transitions_data()
    {
        QTest::addColumn<State>("from");
        QTest::addColumn<Action>("action");
        QTest::addColumn<State>("to");
        QTest::addColumn<QStringList>("steps");

        const QStringList none;
        const QStringList load{QStringLiteral("load")};
        const QStringList unload{QStringLiteral("unload")};
        QTest::newRow("not loaded, refer: loads hidden") << State::NotLoaded << Action::Refer << State::LoadedHidden << load;
        QTest::newRow("not loaded, show: loads and shows") << State::NotLoaded << Action::Show << State::Shown << load;
        QTest::newRow("not loaded, unload: nothing") << State::NotLoaded << Action::Unload << State::NotLoaded << none;
        QTest::newRow("hidden, refer: stays") << State::LoadedHidden << Action::Refer << State::LoadedHidden << none;
        QTest::newRow("hidden, show: no second load") << State::LoadedHidden << Action::Show << State::Shown << none;
        QTest::newRow("hidden, unload") << State::LoadedHidden << Action::Unload << State::NotLoaded << unload;
        QTest::newRow("shown, refer: stays") << State::Shown << Action::Refer << State::Shown << none;
        QTest::newRow("shown, show again") << State::Shown << Action::Show << State::Shown << none;
        QTest::newRow("shown, unload") << State::Shown << Action::Unload << State::NotLoaded << unload;
        QTest::newRow("shown, close box unloads") << State::Shown << Action::CloseBox << State::NotLoaded << unload;
    }

    void transitions()
    {
        QFETCH(State, from);
        QFETCH(Action, action);
        QFETCH(State, to);
        QFETCH(QStringList, steps);

        auto &probe = SharedInstance<ProbeWindow>::get();
        if (from == State::LoadedHidden)
            probe.window();
        else if (from == State::Shown)
            probe.show();
        QCOMPARE(probe.state(), from);
        stepLog.clear();

        switch (action) {
        case Action::Refer: probe.window(); break;
        case Action::Show: probe.show(); break;
        case Action::Unload: probe.unload(); break;
        case Action::CloseBox: probe.window()->close(); break;
        }
        QCOMPARE(probe.state(), to);
        QCOMPARE(stepLog, steps);
    }

    void loadStepRunsBeforeTheReferenceProceeds()
    {
        QCOMPARE(SharedInstance<ProbeWindow>::get().window()->field->text(), QStringLiteral("loaded"));
    }

    void reloadStartsFromTheDesignTimeState()
    {
        auto &probe = SharedInstance<ProbeWindow>::get();
        probe.show();
        QPointer<ProbeWindow> first = probe.window();
        first->field->setText(QStringLiteral("typed"));
        first->setWindowTitle(QStringLiteral("changed"));
        probe.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());

        ProbeWindow *second = probe.window();
        QCOMPARE(second->field->text(), QStringLiteral("loaded"));
        QVERIFY(second->windowTitle().isEmpty());
    }

    void failingLoadStepLeavesTheWindowNotLoaded()
    {
        failLoadStep = true;
        auto &probe = SharedInstance<ProbeWindow>::get();
        runGuarded([&probe] { probe.show(); });
        QCOMPARE(probe.state(), State::NotLoaded);
        QVERIFY(TestSupport::errorReportText().contains(QStringLiteral("Loading the probe failed.")));
        QVERIFY(TestSupport::errorReportText().contains(QStringLiteral("the store is gone")));
    }

    // A window whose unload step fails asks; whatever the answer, nothing typed is lost
    // silently and the person is never kept in the window.
    void failingUnloadStepAsks_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("failures");
        QTest::addColumn<State>("after");
        QTest::addColumn<int>("unloadSteps");
        QTest::newRow("back to the window") << QStringList{QStringLiteral("Back")} << 5 << State::Shown << 1;
        QTest::newRow("close without saving") << QStringList{QStringLiteral("Close Without Saving")} << 5
                                              << State::NotLoaded << 1;
        QTest::newRow("try again until it works") << QStringList{QStringLiteral("Try Again"), QStringLiteral("Try Again")}
                                                  << 2 << State::NotLoaded << 3;
    }

    void failingUnloadStepAsks()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, failures);
        QFETCH(State, after);
        QFETCH(int, unloadSteps);
        auto &probe = SharedInstance<ProbeWindow>::get();
        probe.show();
        probe.window()->setWindowTitle(QStringLiteral("Probe"));
        probe.window()->field->setText(QStringLiteral("keep me"));
        unloadStepFailures = failures;
        QSignalSpy ended(&OpenWindows::instance(), &OpenWindows::lastShownWindowClosed);
        TestSupport::FailedCloseAnswers person(answers);

        probe.window()->close();

        QCOMPARE(probe.state(), after);
        QCOMPARE(stepLog.count(QStringLiteral("unload")), unloadSteps);
        QCOMPARE(person.questions.size(), qMin(failures, int(answers.size())));
        QVERIFY(person.questions.first().contains(QStringLiteral("Saving the probe failed.")));
        QVERIFY(person.questions.first().contains(QStringLiteral("the disk is full")));
        QVERIFY(person.questions.first().contains(QStringLiteral("close Probe without saving")));
        QVERIFY(TestSupport::errorReports().isEmpty());
        if (after == State::Shown)
            QCOMPARE(probe.window()->field->text(), QStringLiteral("keep me"));
        QCOMPARE(ended.count(), after == State::Shown ? 0 : 1);
    }

    void guardEndsTheHandlerAtTheFailingStep()
    {
        QStringList done;
        runGuarded([&done] {
            done << QStringLiteral("first");
            throw Failure(QStringLiteral("The second step"), QStringLiteral("it broke"));
            done << QStringLiteral("third");
        });
        QCOMPARE(done, QStringList{QStringLiteral("first")});
        QCOMPARE(TestSupport::errorReportText(), QStringLiteral("The second step failed. it broke"));
    }

    void failureInsideTheEventLoopLeavesTheApplicationResponsive()
    {
        PlainWindow window;
        auto *button = new QPushButton(QStringLiteral("Fail"), &window);
        struct Thrower : QObject
        {
            void fail() { throw std::runtime_error("boom"); }
        } thrower;
        connectGuarded(button, &QPushButton::clicked, &thrower, &Thrower::fail);
        window.show();

        bool timerRan = false;
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        QTimer::singleShot(50, &window, [&timerRan] { timerRan = true; });
        QTRY_VERIFY(timerRan);
        QVERIFY(TestSupport::errorReportText().contains(QStringLiteral("boom")));
    }

    void quitRule_data()
    {
        QTest::addColumn<bool>("toolWindowShown");
        QTest::addColumn<bool>("probeLoadedHidden");
        QTest::addColumn<int>("endsAfterMainCloses");

        QTest::newRow("main window alone") << false << false << 1;
        QTest::newRow("a hidden window does not keep the run alive") << false << true << 1;
        QTest::newRow("a shown tool window keeps it alive") << true << false << 0;
        QTest::newRow("tool window shown and a hidden window") << true << true << 0;
    }

    void quitRule()
    {
        QFETCH(bool, toolWindowShown);
        QFETCH(bool, probeLoadedHidden);
        QFETCH(int, endsAfterMainCloses);

        QSignalSpy ended(&OpenWindows::instance(), &OpenWindows::lastShownWindowClosed);
        SharedInstance<PlainWindow>::get().show();
        if (toolWindowShown)
            SharedInstance<ToolWindow>::get().show();
        if (probeLoadedHidden)
            SharedInstance<ProbeWindow>::get().window();

        SharedInstance<PlainWindow>::get().window()->close();
        QCOMPARE(ended.count(), endsAfterMainCloses);
        if (toolWindowShown) {
            QCOMPARE(SharedInstance<ToolWindow>::get().state(), State::Shown);
            SharedInstance<ToolWindow>::get().window()->close();
            QCOMPARE(ended.count(), 1);
        }
        // The window loaded only to be read goes without its unload step.
        QCOMPARE(SharedInstance<ProbeWindow>::get().state(), State::NotLoaded);
        QVERIFY(!stepLog.contains(QStringLiteral("unload")));
    }
};

QTEST_MAIN(TestWindowLifecycle)
#include "tst_windowlifecycle.moc"
