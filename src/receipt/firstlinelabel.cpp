// SPDX-License-Identifier: MIT
#include "firstlinelabel.h"

#include "core/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
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

namespace {

// A screen reader hears a value label as its caption and the text it shows now:
// "Amount: $12.50". A label without a caption of its own is heard as its text.
class ValueLabelAccessible : public QAccessibleWidget
{
public:
    explicit ValueLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QString caption = widget()->accessibleName();
        const QString shown = static_cast<const QLabel *>(widget())->text();
        if (caption.isEmpty())
            return shown;
        return shown.isEmpty() ? caption
                               : QCoreApplication::translate("FirstLineLabel", "%1: %2",
                                                             "heard: a value's caption, then the value")
                                         .arg(caption, shown);
    }
};

} // namespace

FirstLineLabel::FirstLineLabel(QWidget *parent)
    : QLabel(parent)
{
    registerAccessible<FirstLineLabel, ValueLabelAccessible>();
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
    // A value keeps its own direction (a Latin name reads left to right in a mirrored window
    // too) and starts at the label's leading edge. Trailing blanks of a wrapped line are kept
    // by the layout but not drawn.
    const QString shown = shownText();
    painter.setLayoutDirection(shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    const Qt::Alignment leading = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) | Qt::AlignAbsolute;
    painter.drawText(contentsRect(), leading | Qt::AlignTop | Qt::TextSingleLine, shown);
}
