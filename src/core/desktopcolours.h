// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <initializer_list>

class QWidget;

// The colours of the forms on the user's desktop. The system colours they name come from
// the palette role that plays that part there, so a dark desktop theme gives dark windows;
// a colour the forms fix (a white amount box, blue User Setup text) gets a partner, or a
// shade of itself, that keeps its text readable (7:1, so that even the anti-aliased edges of
// small letters keep the 4.5:1 that WCAG AA asks).
namespace DesktopColours {

enum class SystemColour {
    ActiveBorder, // the background of the main window and the about dialog
    ButtonFace,   // the background of frames, tabs, and the other dialogs
};

// Gives the widget, and the labels and frames in it, the system colour as background
// with the text colour that goes with it.
void paintWith(QWidget *widget, SystemColour colour);

// A text box with a fixed background: its text takes a colour that reads on it.
void fixBackground(QWidget *textBox, const QColor &background);

// A fixed text colour, or the nearest shade of it that reads on the widget's background.
void fixText(QWidget *widget, const QColor &text);

double contrast(const QColor &a, const QColor &b);
QColor readableOn(const QColor &wanted, const QColor &background);

// The colour nearest to wanted, shaded as little as needed, that keeps the contrast ratio
// against every one of the backgrounds.
QColor distinctFrom(const QColor &wanted, std::initializer_list<QColor> backgrounds, double ratio);

} // namespace DesktopColours
