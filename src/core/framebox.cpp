// SPDX-License-Identifier: MIT
#include "framebox.h"

#include <QPainter>
#include <QStyle>

namespace {
constexpr int captionLeft = 6;    // where the caption's gap in the line begins
constexpr int captionPadding = 2; // line-free room on each side of the caption
} // namespace

FrameBox::FrameBox(QWidget *parent)
    : QGroupBox(parent)
{
}

int FrameBox::borderTop() const
{
    return fontMetrics().height() / 2;
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect border = rect().adjusted(0, borderTop(), -1, -1);
    painter.fillRect(border, palette().window());
    // An etched line: dark, with a light line inside it.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));
    if (title().isEmpty())
        return;
    // Near the line's left end, or its right end where the form is read right to left.
    const QRect caption = QStyle::visualRect(
            layoutDirection(), rect(),
            QRect(captionLeft, 0, fontMetrics().horizontalAdvance(title()) + 2 * captionPadding, fontMetrics().height()));
    // The caption interrupts the line with the colour around the frame above the line, and
    // with the frame's own below it.
    const QWidget *around = parentWidget() ? parentWidget() : this;
    painter.fillRect(caption.adjusted(0, 0, 0, borderTop() - caption.height()),
                     around->palette().brush(around->backgroundRole()));
    painter.fillRect(caption.adjusted(0, borderTop(), 0, 0), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}
