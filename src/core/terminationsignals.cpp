// SPDX-License-Identifier: MIT
#include "terminationsignals.h"

#include "errorreport.h"
#include "openwindows.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int handledSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may do little more than write to a pipe; the event loop reads the other end.
int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t receivedSignal = 0;

void forwardSignal(int signal)
{
    const char number = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

void endRun()
{
    char number = 0;
    if (::read(signalPipe[0], &number, 1) != 1)
        return;
    receivedSignal = number;
    ErrorReport::closeQuestionWithoutSaving();
    OpenWindows::instance().closeAllShown(WindowLifecycle::FailedStep::CloseWithoutIt);
    QCoreApplication::quit();
}

} // namespace

void TerminationSignals::install()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default effect
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, &endRun);
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : handledSignals)
        ::sigaction(signal, &action, nullptr);
}

void TerminationSignals::endWithReceivedSignal()
{
    if (receivedSignal == 0)
        return;
    std::signal(receivedSignal, SIG_DFL);
    std::raise(receivedSignal);
}
