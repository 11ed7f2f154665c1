// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

// Prints the monotonic clock, in nanoseconds, once the watched windows have all been
// painted, then ends the event loop. The benchmark driver reads the figure from stdout.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QList<QWidget *> &windows)
    {
        for (QWidget *window : windows) {
            window->installEventFilter(this);
            m_waiting.append(window);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_waiting.removeAll(watched) > 0 && m_waiting.isEmpty())
            // After the paint event the backing store is flushed; report once that is done.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        return false;
    }

private:
    QList<QObject *> m_waiting;
};
