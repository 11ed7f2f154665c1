// SPDX-License-Identifier: MIT
// Times the program's own operations in one process: the store accesses of User Setup's
// load and save, Generate to the preview painted, and Print to the job handed to the spooler.
#include "core/openwindows.h"
#include "main/qv1.h"
#include "main/startup.h"
#include "core/sharedinstance.h"
#include "receipt/qvrp.h"
#include "store/issuerkeys.h"
#include "setup/qvo1.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString &section = IssuerKeys::section;

// Runs the step `runs` times after `prepare`, prints the median in milliseconds and returns it.
double report(const char *what, int runs, const std::function<void()> &prepare, const std::function<void()> &step)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-52s %9.3f ms  (median of %d)\n", what, times.at(times.size() / 2), runs);
    return times.at(times.size() / 2);
}

// The newest document that the benchmark's scheduler (its folder in QUORVEL_BENCH_CUPS) was
// handed: the receipt just printed.
QString lastSpooledDocument()
{
    const QDir spool(qEnvironmentVariable("QUORVEL_BENCH_CUPS") + QStringLiteral("/spool"));
    const QStringList documents = spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Time);
    return documents.isEmpty() ? QString() : spool.filePath(documents.first());
}

// Saves one entry `rounds` times in each of `runs` processes at once, with the two
// cores kept busy by as many spinning processes; returns the wall time in milliseconds,
// or -1 if any run's save failed.
double concurrentSaves(const QString &application, int runs, int rounds)
{
    const auto forkRun = [](const std::function<int()> &work) {
        const pid_t child = fork();
        if (child == 0)
            _exit(work());
        return child;
    };
    QList<pid_t> load;
    for (int i = 0; i < 2; ++i)
        load << forkRun([] {
            std::atomic<unsigned long> spin = 0;
            for (;;)
                spin.fetch_add(1, std::memory_order_relaxed);
            return 0;
        });
    QElapsedTimer timer;
    timer.start();
    QList<pid_t> savers;
    for (int run = 0; run < runs; ++run) {
        savers << forkRun([&] {
            try {
                for (int round = 0; round < rounds; ++round)
                    SettingsStore::saveSetting(application, section, IssuerKeys::keys.at(round % 5).written,
                                               QString::number(round));
            } catch (...) {
                return 1;
            }
            return 0;
        });
    }
    bool allSaved = true;
    for (pid_t saver : savers) {
        int status = 0;
        waitpid(saver, &status, 0);
        allSaved = allSaved && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    for (pid_t spinner : load) {
        kill(spinner, SIGKILL);
        waitpid(spinner, nullptr, 0);
    }
    return allSaved ? elapsed : -1;
}

// Processes events until the widget has been painted.
void waitForPaint(QWidget *widget)
{
    struct Probe : QObject
    {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } probe;
    widget->installEventFilter(&probe);
    while (!probe.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    widget->removeEventFilter(&probe);
}

// The resident memory of this process, in MiB.
double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.value(1).toLongLong() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// Memory over a long day: the resident memory that `cycles` runs of the step add, once 50
// runs have warmed every cache.
void reportGrowth(const char *what, int cycles, const std::function<void()> &step)
{
    const auto run = [&step](int times) {
        for (int i = 0; i < times; ++i) {
            step();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    run(50);
    const double before = residentMiB();
    run(cycles);
    std::printf("%-52s %9.2f MiB  (%.1f to %.1f MiB)\n", what, residentMiB() - before, before, residentMiB());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::prepare(app);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString application = SettingsStore::applicationName();
    for (const IssuerKeys::Key &key : IssuerKeys::keys)
        SettingsStore::saveSetting(application, section, key.written, QStringLiteral("Quorvel Supplies Ltd."));

    const auto nothing = [] {};
    report("loadsettings' store reads (5 x GetSetting)", 201, nothing, [&] {
        for (const IssuerKeys::Key &key : IssuerKeys::keys)
            SettingsStore::getSetting(application, section, key.read);
    });
    report("savesettings' store writes (5 x SaveSetting)", 51, nothing, [&] {
        for (const IssuerKeys::Key &key : IssuerKeys::keys)
            SettingsStore::saveSetting(application, section, key.written, QStringLiteral("Quorvel Supplies Ltd."));
    });

    // Two runs saving at once must both finish, in about the time of one run saving twice.
    const double alone = concurrentSaves(application, 1, 2000);
    const double together = concurrentSaves(application, 2, 1000);
    std::printf("%-52s %9.0f ms\n", "2000 saves by one run, loaded machine", alone);
    std::printf("%-52s %9.0f ms  (%s)\n", "2 runs x 1000 saves at once, loaded machine", together,
                together < 0 ? "a save FAILED" : "every save succeeded");

    auto &main = SharedInstance<QV1>::get();
    main.show();
    waitForPaint(main.window());
    main.window()->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("Ada"));
    main.window()->findChild<QLineEdit *>(QStringLiteral("Text7"))->setText(QStringLiteral("1234.5"));
    main.window()->findChild<QRadioButton *>(QStringLiteral("Option4"))->setChecked(true);
    auto *generate = main.window()->findChild<QPushButton *>(QStringLiteral("Command1"));
    auto &preview = SharedInstance<QVRP>::get();
    auto &setup = SharedInstance<QVO1>::get();

    report("Generate, first load (store read), to preview painted", 31,
           [&] {
               preview.discard();
               setup.discard();
               QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
           },
           [&] {
               generate->click();
               waitForPaint(preview.window());
           });
    report("Generate, preview already loaded", 101, nothing, [&] { generate->click(); });

    // Print sends on a thread of its own; the button comes back when the print system has
    // the document.
    auto *print = preview.window()->findChild<QPushButton *>(QStringLiteral("Command1"));
    const auto printAndWait = [print] {
        print->click();
        while (!print->isEnabled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    report("first Print, printing module loaded, to the spooler", 1, nothing, printAndWait);
    const double printMedian = report("Print to the job handed to the spooler", 5, nothing, printAndWait);
    // lp with no -d, the reference, handing the same document to the same scheduler.
    if (const QString document = lastSpooledDocument(); !document.isEmpty()) {
        const double lp = report("lp of the same document, to the job handed over", 5, nothing, [&document] {
            QProcess::execute(QStringLiteral("lp"), {QStringLiteral("-s"), document});
        });
        std::printf("%-52s %9.2f\n", "Print beside lp (ratio)", printMedian / lp);
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *failed = qobject_cast<QMessageBox *>(window); failed && failed->isVisible())
            std::printf("  but printing failed: %s\n", qPrintable(failed->informativeText()));
    }

    reportGrowth("memory added by 1000 Generate/Esc cycles", 1000, [&] {
        generate->click();
        waitForPaint(preview.window());
        QTest::keyClick(preview.window(), Qt::Key_Escape);
    });
    reportGrowth("memory added by 1000 User Setup open/close cycles", 1000, [&] {
        setup.show();
        waitForPaint(setup.window());
        QTest::keyClick(setup.window(), Qt::Key_Escape);
    });

    OpenWindows::instance().discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
