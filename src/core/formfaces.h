// SPDX-License-Identifier: MIT
#pragma once

class QFont;
class QWidget;

// The faces the forms were drawn in, and the installed faces that stand in for them.
namespace FormFaces {

// The face of the forms' captions, menus and messages: MS Sans Serif 8 points.
QFont formFace();

// The text boxes' face: bold 8.25-point MS Sans Serif (Designer forms hold whole points only).
void useTextBoxFont(QWidget *form);

// Faces that the forms name but Linux lacks, mapped to installed look-alikes, and the forms'
// face made the application's own.
void install();

} // namespace FormFaces
