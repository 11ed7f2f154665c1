// SPDX-License-Identifier: MIT
#pragma once

#include "printout/lineprinter.h"
#include "printout/printsystem.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>

class QDialog;
class QProgressDialog;

// One press of Print. The printer operations collect the page; when the document ends, it
// goes to the default printer on a thread of its own, so that no window waits on the print
// system. One deadline bounds the whole wait until the print system has the document; a
// progress dialog shows a wait that lasts, and lets the person cancel it at once. A password
// that the print system wants is asked in a window, and the time spent typing it does not
// count. Then what the print system makes of the job is followed, in the background, for two
// minutes. A failure on the way, or a job that the print system stops, holds, cancels or
// aborts, or that waits on a printer that stopped, becomes the standard error report. The job
// deletes itself when it is done; the end of the run ends the following without waiting on
// the print system.
class PrintJob : public QObject, public LinePrinter
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds sendLimit = std::chrono::seconds(15);

    explicit PrintJob(std::chrono::milliseconds sendLimit = PrintJob::sendLimit);
    ~PrintJob() override;

    void setDirection(Qt::LayoutDirection direction) override;
    void setFontSize(float points) override;
    void printLine(const QStringList &items) override;
    void printEmptyLine() override;
    // Hands the page to the print system. Throws a Failure if the printing module cannot be
    // loaded; the job then sends nothing.
    void endDocument() override;

    // Runs then once no receipt is on its way to the printer any more, and any report of one
    // that failed has been read: the run must not end before.
    static void afterAllSent(const std::function<void()> &then);

    // Ends every job, sending or following: for the end of the run.
    static void endAll();

signals:
    // The print system has the document, or it never will.
    void sendingEnded();

private:
    struct Shared;
    using LoginAnswer = std::shared_ptr<std::promise<std::optional<PrintLogin>>>;

    static void work(const std::shared_ptr<Shared> &shared, const PrintSystem &system, const PrintedPage &page,
                     std::chrono::milliseconds sendLimit);
    static void follow(const std::shared_ptr<Shared> &shared, const PrintSystem &system, const SentJob &job);
    static std::optional<PrintLogin> askLogin(const std::shared_ptr<Shared> &shared, const QString &user,
                                              const QString &server, bool again);
    void showLoginQuestion(const QString &user, const QString &server, bool again, const LoginAnswer &answer);
    void endSending(const std::optional<Failure> &failure);
    void showProgress();

    PrintedPage m_page;
    float m_points = 0;
    const std::chrono::milliseconds m_sendLimit;
    const std::shared_ptr<Shared> m_shared; // what the job's thread may reach, even after the job is gone
    bool m_sending = false;
    QPointer<QProgressDialog> m_progress;
    QPointer<QDialog> m_loginQuestion;
    std::thread m_thread;
};
