// SPDX-License-Identifier: MIT
#pragma once

#include <QStatusBar>
#include <QTimer>

class QDateTime;
class QLabel;

// A status bar with a date panel and a time panel that keep themselves current: it
// wakes at the start of every minute, so the date turns over at midnight as well.
class ClockStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int minimumPanelWidth = 96; // 1440 twips

    explicit ClockStatusBar(QWidget *parent = nullptr);

    QString dateText() const;
    QString timeText() const;

    void showDateTime(const QDateTime &now);

    // How long from now until the clock next shows a different minute.
    static int msecsToNextMinute(const QDateTime &now);

private:
    void tick();

    QLabel *m_datePanel;
    QLabel *m_timePanel;
    QTimer m_timer;
};
