// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

// A frame drawn as the forms expect: the caption sits on the top border line near its left
// end (its right end, read right to left), on the colour around the frame, the line runs at
// half the caption's height, and the inside shows the frame's own background. (Qt's group box
// puts the line below the caption, across the first row of controls that the forms place 16
// pixels down.)
class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FrameBox(QWidget *parent = nullptr);

    // The top border line's distance from the frame's top edge.
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
