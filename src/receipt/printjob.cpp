// SPDX-License-Identifier: MIT
#include "printjob.h"

#include "core/errorreport.h"
#include "printingmodule.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// How long a wait lasts before the progress dialog shows it.
constexpr auto progressDelay = 300ms;
// How long the print system's answer to a question about the job may take, how often it is
// asked, and for how long.
constexpr auto progressLimit = 10s;
constexpr auto followInterval = 1s;
constexpr auto followLimit = 2min;

QList<PrintJob *> &liveJobs()
{
    static QList<PrintJob *> jobs;
    return jobs;
}

// What waits for every receipt on its way to have arrived, or failed and been reported.
struct Sending
{
    int jobs = 0;
    int openReports = 0;
    std::vector<std::function<void()>> afterwards;
};

Sending &sending()
{
    static Sending state;
    return state;
}

void runWhenAllSent()
{
    Sending &state = sending();
    if (state.jobs > 0 || state.openReports > 0)
        return;
    for (const std::function<void()> &then : std::exchange(state.afterwards, {}))
        then();
}

} // namespace

PrintJob::PrintJob(std::chrono::milliseconds sendLimit)
    : m_sendLimit(sendLimit)
{
    liveJobs().append(this);
}

PrintJob::~PrintJob()
{
    liveJobs().removeAll(this);
    m_cancelled = true;
    if (m_thread.joinable())
        m_thread.join();
    delete m_progress;
    if (m_sending) {
        --sending().jobs;
        runWhenAllSent();
    }
}

void PrintJob::setFontSize(float points)
{
    m_points = points;
}

void PrintJob::printLine(const QStringList &items)
{
    m_page.append(PrintedLine{m_points, items});
}

void PrintJob::printEmptyLine()
{
    m_page.append(PrintedLine{m_points, {}});
}

void PrintJob::endDocument()
{
    const PrintSystem &system = PrintingModule::printSystem();
    m_sending = true;
    ++sending().jobs;
    QTimer::singleShot(progressDelay, this, &PrintJob::showProgress);
    m_thread = std::thread([this, &system] { work(system); });
}

void PrintJob::afterAllSent(const std::function<void()> &then)
{
    sending().afterwards.push_back(then);
    // Nothing else may be on the screen: show what is still being waited for.
    for (PrintJob *job : std::as_const(liveJobs()))
        job->showProgress();
    runWhenAllSent();
}

void PrintJob::endAll()
{
    qDeleteAll(std::exchange(liveJobs(), {}));
}

// On the job's own thread: nothing here may touch a widget.
void PrintJob::work(const PrintSystem &system)
{
    std::optional<SentJob> job;
    std::optional<Failure> failure;
    try {
        job = system.send(m_page, PrintWait(m_sendLimit, m_cancelled));
    } catch (const PrintCancelled &) {
    } catch (const Failure &error) {
        failure = error;
    } catch (const std::exception &error) {
        failure = printingFailure(QString::fromLocal8Bit(error.what()));
    }
    QMetaObject::invokeMethod(this, [this, failure] { endSending(failure); });
    if (job)
        follow(system, *job);
    QMetaObject::invokeMethod(this, &QObject::deleteLater);
}

void PrintJob::follow(const PrintSystem &system, const SentJob &job)
{
    for (const QDeadlineTimer end(followLimit); pause(followInterval) && !end.hasExpired();) {
        try {
            const JobProgress progress = system.progress(job, PrintWait(progressLimit, m_cancelled));
            if (!progress.ended)
                continue;
            if (!progress.notPrinted.isEmpty()) {
                const Failure notPrinted = printingFailure(progress.notPrinted);
                QMetaObject::invokeMethod(
                        this, [notPrinted] { ErrorReport::show(notPrinted.action(), notPrinted.reason()); });
            }
            return;
        } catch (...) {
            // The print system cannot say now; it is asked again at the next look.
        }
    }
}

bool PrintJob::pause(std::chrono::milliseconds interval) const
{
    for (const QDeadlineTimer until(interval); !until.hasExpired(); std::this_thread::sleep_for(20ms)) {
        if (m_cancelled)
            return false;
    }
    return !m_cancelled;
}

void PrintJob::endSending(const std::optional<Failure> &failure)
{
    delete m_progress;
    m_sending = false;
    --sending().jobs;
    emit sendingEnded();
    if (failure) {
        ++sending().openReports;
        connect(ErrorReport::show(failure->action(), failure->reason()), &QObject::destroyed, qApp, [] {
            --sending().openReports;
            runWhenAllSent();
        });
    }
    runWhenAllSent();
}

void PrintJob::showProgress()
{
    if (!m_sending || m_progress)
        return;
    m_progress = new QProgressDialog; // its cancel button in Qt's own words
    m_progress->setWindowTitle(QStringLiteral("Quorvel"));
    m_progress->setLabelText(tr("Sending the receipt to the printer\u2026"));
    m_progress->setRange(0, 0);
    m_progress->setWindowModality(Qt::NonModal);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { m_cancelled = true; });
    m_progress->show();
}
