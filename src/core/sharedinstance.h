// SPDX-License-Identifier: MIT
#pragma once

#include "windowlifecycle.h"

// The one instance of a window class for the whole run. A window class takes part by
// declaring, if it has them, `void loadStep()` and `void unloadStep()` (private, with this
// template as a friend); everything else about loading and unloading is shared here.
template <class Window>
class SharedInstance final : public WindowLifecycle
{
public:
    static SharedInstance &get()
    {
        static SharedInstance instance;
        return instance;
    }

    // Refers to the window's controls: loads it hidden if it is not loaded.
    Window *window() { return static_cast<Window *>(loadedWindow()); }

private:
    SharedInstance() = default;

    QWidget *createWindow() override { return new Window; }

    void runLoadStep(QWidget *window) override
    {
        if constexpr (requires(Window &w) { w.loadStep(); })
            static_cast<Window *>(window)->loadStep();
    }

    void runUnloadStep(QWidget *window) override
    {
        if constexpr (requires(Window &w) { w.unloadStep(); })
            static_cast<Window *>(window)->unloadStep();
    }
};
