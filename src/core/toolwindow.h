// SPDX-License-Identifier: MIT
#pragma once

#include "desktopcolours.h"

#include <QWidget>

class QPushButton;

// A secondary window: a fixed tool window (a small title bar with only a close box, no
// taskbar entry, and the form's size, which the user cannot change), shown without an
// owner, and heard by assistive technology as the dialog it is.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    void setVisible(bool visible) override;

protected:
    explicit ToolWindow(QWidget *parent = nullptr);

    // Once the form is set up with its captions: the window keeps the form's size (mirrored
    // for a reader of right-to-left languages, with captions condensed where they do not fit),
    // takes the system colour as its background, and Esc anywhere in it clicks cancelButton,
    // if there is one.
    void finishForm(DesktopColours::SystemColour background, QPushButton *cancelButton = nullptr);

private:
    void clearOwner();
};
