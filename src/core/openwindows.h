// SPDX-License-Identifier: MIT
#pragma once

#include "windowlifecycle.h"

#include <QList>
#include <QObject>

// Knows every shared instance, and so when the last shown window of the application has
// closed. Windows that are only loaded hidden do not keep the application alive.
class OpenWindows : public QObject
{
    Q_OBJECT

public:
    static OpenWindows &instance();

    void add(WindowLifecycle *lifecycle);
    void remove(WindowLifecycle *lifecycle);

    bool anyShown() const;

    // Called after a window was unloaded: ends the run when nothing is shown any more.
    void windowUnloaded();

    // Closes every shown window as its close box would, when the desktop session ends or the
    // program is told to end. False if the person chose to go back to a window whose
    // settings could not be saved.
    bool closeAllShown(WindowLifecycle::FailedStep onFailure);

    // Destroys every window without its unload step, before the application object goes.
    void discardAll();

signals:
    void lastShownWindowClosed();

private:
    OpenWindows() = default;

    QList<WindowLifecycle *> m_lifecycles;
};
