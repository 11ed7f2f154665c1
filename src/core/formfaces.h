// SPDX-License-Identifier: MIT
#pragma once

class QFont;
class QString;
class QWidget;

// The faces the forms were drawn in, and the installed faces that stand in for them.
namespace FormFaces {

// The face of the forms' captions, menus and messages: MS Sans Serif 8 points.
QFont formFace();

// The text boxes' face: bold 8.25-point MS Sans Serif (Designer forms hold whole points only).
void useTextBoxFont(QWidget *form);

// The forms' face made the application's own, and the titling face mapped to an installed
// look-alike.
void install();

// MS Sans Serif, which Linux lacks, drawn in installed look-alikes; letters they lack in a
// face made for the language, where the language writes them in forms of its own (Japanese
// kanji are not drawn as in Chinese, nor Traditional Chinese as Simplified).
void useFacesFor(const QString &language);

} // namespace FormFaces
