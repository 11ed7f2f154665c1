// SPDX-License-Identifier: MIT
#include "clockstatusbar.h"

#include "content/localeformat.h"

#include <QDateTime>
#include <QLabel>

ClockStatusBar::ClockStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_datePanel(new QLabel(this))
    , m_timePanel(new QLabel(this))
{
    setSizeGripEnabled(false);
    // The bar keeps two pixels before its first panel; as many after the last keep its
    // border off the window's edge.
    setContentsMargins(isRightToLeft() ? 2 : 0, 0, isRightToLeft() ? 0 : 2, 0);
    for (QLabel *panel : {m_datePanel, m_timePanel}) {
        panel->setMinimumWidth(minimumPanelWidth);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(3);
        addWidget(panel, 1);
    }
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClockStatusBar::tick);
    tick();
}

QString ClockStatusBar::dateText() const
{
    return m_datePanel->text();
}

QString ClockStatusBar::timeText() const
{
    return m_timePanel->text();
}

void ClockStatusBar::showDateTime(const QDateTime &now)
{
    m_datePanel->setText(LocaleFormat::shortDate(now.date()));
    m_timePanel->setText(LocaleFormat::shortTime(now.time()));
}

int ClockStatusBar::msecsToNextMinute(const QDateTime &now)
{
    const QTime time = now.time();
    return 60'000 - (time.second() * 1000 + time.msec());
}

void ClockStatusBar::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    showDateTime(now);
    m_timer.start(msecsToNextMinute(now));
}
