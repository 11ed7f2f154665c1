// SPDX-License-Identifier: MIT
#pragma once

#include "base/failure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QStringList>
#include <QtPlugin>

#include <atomic>
#include <chrono>

// One line of a printed page: its font size in points, and its items (texts and runs of
// spaces) printed one after the other; an empty line has none.
struct PrintedLine
{
    float points;
    QStringList items;
};

using PrintedPage = QList<PrintedLine>;

// How long one call into the print system may take: until the deadline, and only while
// nobody cancels it. The print system is called on a thread of its own; cancelled is set
// from the event loop.
struct PrintWait
{
    PrintWait(std::chrono::milliseconds limit, const std::atomic<bool> &cancelled)
        : limit(limit)
        , deadline(limit)
        , cancelled(cancelled)
    {
    }

    bool over() const { return cancelled || deadline.hasExpired(); }

    std::chrono::milliseconds limit;
    QDeadlineTimer deadline;
    const std::atomic<bool> &cancelled;
};

// The wait was cancelled before the print system had the whole document: nothing prints.
struct PrintCancelled
{
};

// A job that the print system has taken.
struct SentJob
{
    QString printer;
    int id = 0;
};

// What the print system has made of a job so far. A job that ended without being printed
// (stopped, held, cancelled, aborted) carries the reason the print system gives.
struct JobProgress
{
    bool ended = false;
    QString notPrinted;
};

// What the printing module offers the program: the system's default printer, reached with
// every wait bounded. Printing needs the CUPS client, whose loading and binding would add to
// every start-up; the module that holds it is loaded on the first Print (PrintingModule).
// Both calls block, so the program makes them on a thread of its own; a failure is a
// Failure that names what happened, and a cancelled wait is PrintCancelled.
class PrintSystem
{
public:
    virtual ~PrintSystem() = default;

    // Lays the page out on the default printer's own paper and hands it over.
    virtual SentJob send(const PrintedPage &page, const PrintWait &wait) const = 0;

    // Asks what has become of the job.
    virtual JobProgress progress(const SentJob &job, const PrintWait &wait) const = 0;
};

#define PrintSystem_iid "example.quorvel.PrintSystem/2.0"
Q_DECLARE_INTERFACE(PrintSystem, PrintSystem_iid)

// A printing step that could not do its work: the error report names the reason.
inline Failure printingFailure(const QString &reason)
{
    return Failure(QCoreApplication::translate("PrintSystem", "Printing the receipt"), reason);
}

[[noreturn]] inline void failPrinting(const QString &reason)
{
    throw printingFailure(reason);
}
