// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// The forms place their controls at fixed points from a container's left edge. A person who
// reads right to left gets the mirror image: a control at x with width w in a container of
// width W stands at W - x - w, in the window and in every frame, so the layout stays exact to
// the pixel, only reflected. Text alignment, menus and status bars follow the layout direction
// by themselves.
namespace FormMirror {

// Mirrors the form's controls if the form is laid out right to left; does nothing otherwise.
// Called once the form's containers have their final widths.
void mirrorIfRightToLeft(QWidget *form);

} // namespace FormMirror
