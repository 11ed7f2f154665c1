// SPDX-License-Identifier: MIT
#include "printjob.h"

#include "core/errorreport.h"
#include "passworddialog.h"
#include "printingmodule.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>

#include <mutex>

using namespace std::chrono_literals;

namespace {

// How long a wait lasts before the progress dialog shows it.
constexpr auto progressDelay = 300ms;
// How often the print system is asked about the job, and for how long.
constexpr auto followInterval = 1s;
constexpr auto followLimit = 2min;
// How long the end of a job waits for its thread to end.
constexpr auto threadEndLimit = 500ms;

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

// What the job and its thread share. The thread posts to the job only while it lives.
struct PrintJob::Shared
{
    std::atomic<bool> cancelled{false};
    std::atomic<bool> done{false};
    std::mutex posting;
    PrintJob *job = nullptr; // set to null, under the lock, when the job goes

    template <typename Functor>
    void post(Functor &&functor)
    {
        const std::lock_guard lock(posting);
        if (job)
            QMetaObject::invokeMethod(job, [self = job, functor = std::forward<Functor>(functor)] { functor(self); });
    }
};

PrintJob::PrintJob(std::chrono::milliseconds sendLimit)
    : m_sendLimit(sendLimit)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->job = this;
    liveJobs().append(this);
}

// The job's thread ends at once when cancelled, unless libcups holds it somewhere no guard
// reaches: then it is left to end on its own, reaching nothing of the job.
PrintJob::~PrintJob()
{
    liveJobs().removeAll(this);
    m_shared->cancelled = true;
    {
        const std::lock_guard lock(m_shared->posting);
        m_shared->job = nullptr;
    }
    delete m_loginQuestion;
    delete m_progress;
    if (m_thread.joinable()) {
        const QDeadlineTimer given(threadEndLimit);
        while (!m_shared->done && !given.hasExpired())
            std::this_thread::sleep_for(5ms);
        m_shared->done ? m_thread.join() : m_thread.detach();
    }
    if (m_sending) {
        --sending().jobs;
        runWhenAllSent();
    }
}

void PrintJob::setDirection(Qt::LayoutDirection direction)
{
    m_page.direction = direction;
}

void PrintJob::setFontSize(float points)
{
    m_points = points;
}

void PrintJob::printLine(const QStringList &items)
{
    m_page.lines.append(PrintedLine{m_points, items});
}

void PrintJob::printEmptyLine()
{
    m_page.lines.append(PrintedLine{m_points, {}});
}

void PrintJob::endDocument()
{
    const PrintSystem &system = PrintingModule::printSystem();
    m_sending = true;
    ++sending().jobs;
    QTimer::singleShot(progressDelay, this, &PrintJob::showProgress);
    m_thread = std::thread(&PrintJob::work, m_shared, std::cref(system), m_page, m_sendLimit);
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

// On the job's own thread: nothing here may touch the job or a widget but through post().
void PrintJob::work(const std::shared_ptr<Shared> &shared, const PrintSystem &system, const PrintedPage &page,
                    std::chrono::milliseconds sendLimit)
{
    std::optional<SentJob> job;
    std::optional<Failure> failure;
    try {
        const auto ask = [shared](const QString &user, const QString &server, bool again) {
            return askLogin(shared, user, server, again);
        };
        job = system.send(page, PrintWait(sendLimit, shared->cancelled, ask));
    } catch (const PrintCancelled &) {
    } catch (const Failure &error) {
        failure = error;
    } catch (const std::exception &error) {
        failure = printingFailure(QString::fromLocal8Bit(error.what()));
    }
    shared->post([failure](PrintJob *self) { self->endSending(failure); });
    if (job)
        follow(shared, system, *job);
    shared->post([](PrintJob *self) { self->deleteLater(); });
    shared->done = true;
}

void PrintJob::follow(const std::shared_ptr<Shared> &shared, const PrintSystem &system, const SentJob &job)
{
    const PrintWait wait(followLimit, shared->cancelled);
    const std::unique_ptr<JobWatch> watch = system.watch(job, wait);
    const auto pause = [&shared] {
        for (const QDeadlineTimer until(followInterval); !until.hasExpired(); std::this_thread::sleep_for(20ms)) {
            if (shared->cancelled)
                return false;
        }
        return true;
    };
    while (pause() && !wait.over()) {
        try {
            const JobProgress progress = watch->look();
            if (!progress.ended)
                continue;
            if (!progress.notPrinted.isEmpty()) {
                const Failure notPrinted = printingFailure(progress.notPrinted);
                shared->post([notPrinted](PrintJob *) { ErrorReport::show(notPrinted.action(), notPrinted.reason()); });
            }
            return;
        } catch (...) {
            // The print system cannot say now; it is asked again at the next look.
        }
    }
}

// On the job's thread: the question is shown by the event loop, and the thread waits for its
// answer for as long as the job is not cancelled.
std::optional<PrintLogin> PrintJob::askLogin(const std::shared_ptr<Shared> &shared, const QString &user,
                                             const QString &server, bool again)
{
    const LoginAnswer answer = std::make_shared<std::promise<std::optional<PrintLogin>>>();
    std::future<std::optional<PrintLogin>> answered = answer->get_future();
    shared->post([=](PrintJob *self) { self->showLoginQuestion(user, server, again, answer); });
    while (answered.wait_for(20ms) != std::future_status::ready) {
        if (shared->cancelled)
            return std::nullopt;
    }
    return answered.get();
}

void PrintJob::showLoginQuestion(const QString &user, const QString &server, bool again, const LoginAnswer &answer)
{
    auto *question = new PasswordDialog(user, server, again);
    m_loginQuestion = question;
    connect(question, &QDialog::finished, this, [question, answer](int result) {
        answer->set_value(result == QDialog::Accepted ? std::optional(question->login()) : std::nullopt);
        question->deleteLater();
    });
    question->show();
    question->activateWindow();
}

void PrintJob::endSending(const std::optional<Failure> &failure)
{
    if (!m_sending)
        return;
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
    for (QProgressBar *bar : m_progress->findChildren<QProgressBar *>())
        bar->setAccessibleName(tr("Sending the receipt"));
    // Nothing is printed then: the job's thread is left to end on its own.
    connect(m_progress, &QProgressDialog::canceled, this, [this] {
        m_shared->cancelled = true;
        endSending(std::nullopt);
    });
    m_progress->show();
}
