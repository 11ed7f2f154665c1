// SPDX-License-Identifier: MIT
#pragma once

#include "main/errorreport.h"
#include "main/openwindows.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWidget>

// Helpers shared by the widget tests.
namespace TestSupport {

// Gives the test its own empty configuration directory for as long as it lives.
class IsolatedConfig
{
public:
    IsolatedConfig() { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// The error reports on screen, newest last.
inline QList<QMessageBox *> errorReports()
{
    QList<QMessageBox *> reports;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->objectName() == QLatin1StringView(ErrorReport::objectName) && box->isVisible())
            reports.append(box);
    }
    return reports;
}

// The text of the only error report on screen, or an empty string if there is none.
inline QString errorReportText()
{
    const QList<QMessageBox *> reports = errorReports();
    return reports.size() == 1 ? reports.first()->text() + u' ' + reports.first()->informativeText() : QString();
}

// Ends the test's windows and reports without any unload step, so no test sees another's.
inline void discardEverything()
{
    for (QMessageBox *report : errorReports())
        report->close();
    OpenWindows::instance().discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace TestSupport
