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
#include <functional>
#include <memory>
#include <optional>

// One line of a printed page: its font size in points, and its items (texts and runs of
// spaces) printed one after the other; an empty line has none.
struct PrintedLine
{
    float points;
    QStringList items;
};

// The page's lines, top to bottom, and the direction in which each line runs: from the left
// edge of the printable area, or, in a right-to-left language, from the right edge.
struct PrintedPage
{
    QList<PrintedLine> lines;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// A name and password that the person gave for the print system.
struct PrintLogin
{
    QString user;
    QString password;
};

// How long one call into the print system may take: until the deadline, and only while
// nobody cancels it. The print system is called on a thread of its own; cancelled is set
// from the event loop, and a guard on another thread looks at over(). Where the print
// system wants a password, askLogin asks the person (blocking the print thread until they
// answer; nothing where they decline); the time they take does not count against the
// deadline. A wait without askLogin asks nobody.
class PrintWait
{
public:
    using AskLogin = std::function<std::optional<PrintLogin>(const QString &user, const QString &server, bool again)>;

    PrintWait(std::chrono::milliseconds limit, const std::atomic<bool> &cancelled, AskLogin askLogin = {})
        : m_limit(limit)
        , m_deadline(QDeadlineTimer(limit).deadlineNSecs())
        , m_cancelled(cancelled)
        , m_askLogin(std::move(askLogin))
    {
    }

    bool cancelled() const { return m_cancelled; }
    bool expired() const { return !m_asking && QDeadlineTimer::current().deadlineNSecs() >= m_deadline; }
    bool over() const { return cancelled() || expired(); }
    std::chrono::milliseconds limit() const { return m_limit; }
    std::chrono::milliseconds remaining() const
    {
        return std::chrono::milliseconds(qMax<qint64>(0, (m_deadline - QDeadlineTimer::current().deadlineNSecs()) / 1'000'000));
    }

    std::optional<PrintLogin> askLogin(const QString &user, const QString &server, bool again) const
    {
        if (!m_askLogin || cancelled())
            return std::nullopt;
        const qint64 asked = QDeadlineTimer::current().deadlineNSecs();
        m_asking = true;
        std::optional<PrintLogin> login = m_askLogin(user, server, again);
        m_deadline += QDeadlineTimer::current().deadlineNSecs() - asked;
        m_asking = false;
        return login;
    }

private:
    std::chrono::milliseconds m_limit;
    mutable std::atomic<qint64> m_deadline; // in QDeadlineTimer's nanoseconds
    mutable std::atomic<bool> m_asking{false};
    const std::atomic<bool> &m_cancelled;
    AskLogin m_askLogin;
};

// The wait was cancelled before the print system had the whole document, or the person
// declined to give a password: nothing prints, and nothing is reported.
struct PrintCancelled
{
};

// A job that the print system has taken: the queue's name and the address by which the
// print system knows it.
struct SentJob
{
    QString printer;
    QString printerUri;
    int id = 0;
};

// What the print system has made of a job so far. A job that ended without being printed
// (stopped, held, cancelled, aborted), or waits on a printer that stopped, carries the
// reason the print system gives.
struct JobProgress
{
    bool ended = false;
    QString notPrinted;
};

// Follows one job over one connection to the print system, for as long as the wait given
// to PrintSystem::watch() allows.
class JobWatch
{
public:
    virtual ~JobWatch() = default;
    // Asks what has become of the job. Throws a Failure where the print system cannot say now.
    virtual JobProgress look() = 0;
};

// What the printing module offers the program: the printer that lp would print on, reached
// with every wait bounded. Printing needs the CUPS client, whose loading and binding would add to
// every start-up; the module that holds it is loaded on the first Print (PrintingModule).
// Both calls block, so the program makes them on a thread of its own; a failure is a
// Failure that names what happened, and a cancelled wait is PrintCancelled.
class PrintSystem
{
public:
    virtual ~PrintSystem() = default;

    // Lays the page out on the paper the job will print on and hands it over with the
    // destination's options, as lp would send them.
    virtual SentJob send(const PrintedPage &page, const PrintWait &wait) const = 0;

    // Follows the job for as long as the wait allows.
    virtual std::unique_ptr<JobWatch> watch(const SentJob &job, const PrintWait &wait) const = 0;
};

#define PrintSystem_iid "example.quorvel.PrintSystem/3.0"
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
