// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// The forms' captions keep the boxes they were drawn with, in every language. A caption that
// is wider than its box is drawn narrower, condensed horizontally just enough, so that every
// letter shows; a caption that fits is left as it is.
namespace CaptionFit {

// The least share of its natural width that a caption is condensed to, about three
// quarters: narrower than that, letters stop reading as themselves. (Two ideographs in
// User Setup's 17-pixel boxes need 72.7 %; the four of Japanese State, in the main window's
// box that its text box overlaps by a pixel, 71.1 %.)
inline constexpr double narrowest = 0.71;

// The width a caption may take in its control (a label, a button or an option button): it
// ends where a control drawn over it begins, a later option or a text box over its label.
int room(const QWidget *control);

// Condenses every caption of the form that does not fit its control. Called once the form's
// fixed captions are set and before any value is copied into a label.
void fitCaptions(QWidget *form);

} // namespace CaptionFit
