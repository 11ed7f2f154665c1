// SPDX-License-Identifier: MIT
#include "windowlifecycle.h"

#include "errorreport.h"
#include "base/failure.h"
#include "handlerguard.h"
#include "openwindows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QWidget>

WindowLifecycle::WindowLifecycle()
{
    OpenWindows::instance().add(this);
}

WindowLifecycle::~WindowLifecycle()
{
    OpenWindows::instance().remove(this);
}

WindowLifecycle::State WindowLifecycle::state() const
{
    if (!m_window)
        return State::NotLoaded;
    return m_window->isVisible() ? State::Shown : State::LoadedHidden;
}

QWidget *WindowLifecycle::loadedWindow()
{
    if (!m_window)
        load();
    return m_window;
}

void WindowLifecycle::load()
{
    QWidget *window = createWindow();
    window->installEventFilter(this);
    // Centre the whole window, menu bar included: its layout sets its size only when run.
    if (window->layout())
        window->layout()->activate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                         screen->availableGeometry())
                         .topLeft());
    try {
        runLoadStep(window);
    } catch (...) {
        // A half-filled window must not stay loaded: its unload step would save the
        // fields it could not fill over the values it could not read.
        delete window;
        throw;
    }
    m_window = window;
}

void WindowLifecycle::show()
{
    QWidget *window = loadedWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowLifecycle::unload(FailedStep onFailure)
{
    // A window that is already closing (asking what to do after a failed save) closes once.
    if (!m_window || m_unloading)
        return;
    const QScopedValueRollback unloading(m_unloading, true);
    for (bool done = false; !done;) {
        try {
            runUnloadStep(m_window);
            done = true;
        } catch (const Failure &failure) {
            if (onFailure == FailedStep::CloseWithoutIt)
                break;
            // Never silently lose what was typed, and never trap the person in the window.
            switch (ErrorReport::askAfterFailedClose(m_window->windowTitle(), failure.action(), failure.reason())) {
            case ErrorReport::FailedClose::TryAgain:
                break;
            case ErrorReport::FailedClose::CloseWithoutSaving:
                done = true;
                break;
            case ErrorReport::FailedClose::GoBack:
                return;
            }
        }
    }
    discard();
    OpenWindows::instance().windowUnloaded();
}

void WindowLifecycle::discard()
{
    if (!m_window)
        return;
    QWidget *window = m_window;
    m_window = nullptr;
    window->removeEventFilter(this);
    window->hide();
    // Deferred: unload may run inside one of the window's own event handlers.
    window->deleteLater();
}

bool WindowLifecycle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == m_window) {
        runGuarded([this] { unload(); });
        // Still loaded means the unload step failed: the window stays open.
        event->setAccepted(!m_window);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
