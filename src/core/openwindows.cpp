// SPDX-License-Identifier: MIT
#include "openwindows.h"

#include "windowlifecycle.h"

#include <algorithm>

OpenWindows &OpenWindows::instance()
{
    static OpenWindows windows;
    return windows;
}

void OpenWindows::add(WindowLifecycle *lifecycle)
{
    m_lifecycles.append(lifecycle);
}

void OpenWindows::remove(WindowLifecycle *lifecycle)
{
    m_lifecycles.removeAll(lifecycle);
}

bool OpenWindows::anyShown() const
{
    return std::any_of(m_lifecycles.cbegin(), m_lifecycles.cend(), [](const WindowLifecycle *lifecycle) {
        return lifecycle->state() == WindowLifecycle::State::Shown;
    });
}

void OpenWindows::windowUnloaded()
{
    if (anyShown())
        return;
    // A dialog loaded hidden only to be read holds what the store held when it was read;
    // saving it again now could overwrite what another run saved since.
    discardAll();
    emit lastShownWindowClosed();
}

bool OpenWindows::closeAllShown(WindowLifecycle::FailedStep onFailure)
{
    const QList<WindowLifecycle *> lifecycles = m_lifecycles;
    for (WindowLifecycle *lifecycle : lifecycles) {
        if (lifecycle->state() == WindowLifecycle::State::Shown)
            lifecycle->unload(onFailure);
    }
    return !anyShown();
}

void OpenWindows::discardAll()
{
    for (WindowLifecycle *lifecycle : std::as_const(m_lifecycles))
        lifecycle->discard();
}
