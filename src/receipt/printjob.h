// SPDX-License-Identifier: MIT
#pragma once

#include "printout/lineprinter.h"
#include "printout/printsystem.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

class QProgressDialog;

// One press of Print. The printer operations collect the page; when the document ends, it
// goes to the default printer on a thread of its own, so that no window waits on the print
// system. One deadline bounds the whole wait until the print system has the document; a
// progress dialog shows a wait that lasts, and lets the person cancel it. Then what the print
// system makes of the job is followed, in the background, for two minutes. A failure on the
// way, or a job that the print system stops, holds, cancels or aborts, becomes the standard
// error report. The job deletes itself when it is done; the end of the run ends the following.
class PrintJob : public QObject, public LinePrinter
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds sendLimit = std::chrono::seconds(15);

    explicit PrintJob(std::chrono::milliseconds sendLimit = PrintJob::sendLimit);
    ~PrintJob() override;

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
    void work(const PrintSystem &system);
    void follow(const PrintSystem &system, const SentJob &job);
    bool pause(std::chrono::milliseconds interval) const;
    void endSending(const std::optional<Failure> &failure);
    void showProgress();

    PrintedPage m_page;
    float m_points = 0;
    const std::chrono::milliseconds m_sendLimit;
    std::atomic<bool> m_cancelled{false};
    bool m_sending = false;
    QPointer<QProgressDialog> m_progress;
    std::thread m_thread;
};
