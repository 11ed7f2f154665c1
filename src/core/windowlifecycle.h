// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// The life of one window class's shared instance: not loaded, loaded hidden, shown.
// The instance outlives its window; the window exists only while it is loaded, and every
// load starts from the form's design-time state.
class WindowLifecycle : public QObject
{
    Q_OBJECT

public:
    enum class State { NotLoaded, LoadedHidden, Shown };
    // What a close does when the unload step fails: ask the person, or, when nobody is
    // there (the program was told to end), close without it.
    enum class FailedStep { Ask, CloseWithoutIt };

    ~WindowLifecycle() override;

    State state() const;

    // Loads the window if needed, then makes it visible and brings it forward.
    void show();

    // Runs the window's unload step, then destroys the window. When the step fails (its
    // settings cannot be saved) the person chooses: try again, close without it, or go
    // back to the window as it was, with nothing that was typed lost.
    void unload(FailedStep onFailure = FailedStep::Ask);

    // Destroys the window without its unload step: for a window that holds nothing of
    // the user's when the application ends.
    void discard();

protected:
    WindowLifecycle();

    // The window, loaded hidden first if it is not loaded: every reference to a control
    // goes through here.
    QWidget *loadedWindow();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    virtual QWidget *createWindow() = 0;
    virtual void runLoadStep(QWidget *window) = 0;
    virtual void runUnloadStep(QWidget *window) = 0;

    void load();

    QPointer<QWidget> m_window;
    bool m_unloading = false;
};
