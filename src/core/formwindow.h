// SPDX-License-Identifier: MIT
#pragma once

class QPushButton;
class QWidget;

// Settings that the secondary windows share.
namespace FormWindow {

// A fixed tool-window border: a small title bar with only a close box, no taskbar entry,
// and a client area of the form's size that the user cannot resize. Assistive technology
// hears the window as a dialog.
void makeFixedToolWindow(QWidget *window);

// Takes off the owner that Qt gives a tool window without a parent on X11 (the program's
// hidden leader window), so that a window manager does not keep it above the main window:
// the secondary windows have no owner. Call it once the window is shown.
void clearOwner(QWidget *window);

// The window's cancel button: Esc anywhere in the window clicks it.
void makeCancelButton(QPushButton *button);

// The text boxes' face: bold 8.25-point MS Sans Serif (Designer forms hold whole points only).
void useTextBoxFont(QWidget *form);

// Faces that the forms name but Linux lacks, mapped to installed look-alikes, and the forms'
// face made the application's own, for menus, tooltips and message boxes too.
void installFormFaces();

} // namespace FormWindow
