// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

// Runs one event handler so that no exception reaches Qt's event loop. A failure ends
// the handler at the failing step (earlier steps stay done) and becomes the error report.
void runGuarded(const std::function<void()> &handler) noexcept;

// connect() for a handler that must run through the guard.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectGuarded(const Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        runGuarded([receiver, handler] { (receiver->*handler)(); });
    });
}
