// SPDX-License-Identifier: MIT
#pragma once

#include "windowlifecycle.h"

#include <type_traits>

// The steps a window class may have: one that runs each time the window is loaded, one each
// time it is unloaded. A window class with a step derives from its interface and overrides
// it (privately, with its SharedInstance as a friend), so a misspelt step leaves the class
// abstract and a step the instance cannot reach is refused where it is called: neither
// compiles, where a step looked up by its name would silently never run.
class LoadStep
{
protected:
    ~LoadStep() = default;

private:
    virtual void loadStep() = 0;
};

class UnloadStep
{
protected:
    ~UnloadStep() = default;

private:
    virtual void unloadStep() = 0;
};

// The one instance of a window class for the whole run; everything about loading and
// unloading that is not the window's own steps is shared here.
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
        if constexpr (std::is_base_of_v<LoadStep, Window>)
            static_cast<Window *>(window)->loadStep();
        else
            static_assert(!requires(Window &w) { w.loadStep(); }, "loadStep() runs only as an override of LoadStep");
    }

    void runUnloadStep(QWidget *window) override
    {
        if constexpr (std::is_base_of_v<UnloadStep, Window>)
            static_cast<Window *>(window)->unloadStep();
        else
            static_assert(!requires(Window &w) { w.unloadStep(); },
                          "unloadStep() runs only as an override of UnloadStep");
    }
};
