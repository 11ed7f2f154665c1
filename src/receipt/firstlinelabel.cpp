// SPDX-License-Identifier: MIT
#include "firstlinelabel.h"

#include <QPainter>
#include <QTextLayout>

namespace {

// The extent of the first line of text when it is wrapped to width.
QPair<int, int> firstLine(const QString &text, const QFont &font, int width, QTextOption::WrapMode wrapMode)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(wrapMode);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(width);
    layout.endLayout();
    return line.isValid() ? qMakePair(line.textStart(), line.textLength()) : qMakePair(0, 0);
}

} // namespace

FirstLineLabel::FirstLineLabel(QWidget *parent)
    : QLabel(parent)
{
    setAutoFillBackground(true);
    setWordWrap(true);
}

void FirstLineLabel::keepAsOneWord()
{
    m_wrapMode = QTextOption::NoWrap;
    update();
}

QString FirstLineLabel::shownText() const
{
    const auto [start, length] = firstLine(text(), font(), contentsRect().width(), m_wrapMode);
    return text().mid(start, length);
}

void FirstLineLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setClipRect(contentsRect());
    // Trailing blanks of a wrapped line are kept by the layout but not drawn.
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shownText());
}
