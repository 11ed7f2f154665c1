// SPDX-License-Identifier: MIT
#include "captionfit.h"

#include "formfaces.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

#include <cmath>

namespace {

QString caption(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return QString(button->text()).remove(u'&'); // the access key's mark is not drawn
    return QString();
}

// The face the control will be drawn in: its own, or the forms' face that the style gives
// every control without one (a platform theme's face may still be in place before that).
QFont captionFont(const QWidget *control)
{
    return control->testAttribute(Qt::WA_SetFont) ? control->font() : FormFaces::formFace();
}

// Measured as a text layout places it, to the fraction of a pixel and rounded up: a caption
// that fills its room to the last whole pixel may still run past it by a fraction, and a
// label that wraps would then lose its last word.
int width(const QFont &font, const QString &text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 1;
}

// The widest stretch at which the caption fits, down to the narrowest allowed. A face's
// stretch counts from its normal width, and a narrow face is condensed already, so the
// stretch that fits is found by measuring rather than computed.
void condense(QWidget *control, const QString &text, int room)
{
    QFont font = captionFont(control);
    const int natural = width(font, text);
    QFont chosen = font;
    for (int stretch = QFont::Unstretched - 1; stretch > 0; --stretch) {
        font.setStretch(stretch);
        const int condensed = width(font, text);
        if (condensed < CaptionFit::narrowest * natural)
            break;
        chosen = font;
        if (condensed <= room)
            break;
    }
    control->setFont(chosen);
}

// How much of the caption's line the siblings made after the control cover: they are drawn
// over it, as a text box over the end of the label before it, or a later option over an
// earlier one. A sibling that only touches the control's top or bottom edge covers no text;
// a layout (the status bar's) places its children side by side, once it is shown.
int covered(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (!parent || parent->layout())
        return 0;
    const int middle = control->geometry().center().y();
    int width = 0;
    const QObjectList siblings = parent->children();
    for (qsizetype later = siblings.indexOf(control) + 1; later < siblings.size(); ++later) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings.at(later));
        if (!sibling || sibling->isHidden())
            continue;
        const QRect over = sibling->geometry().intersected(control->geometry());
        if (over.top() <= middle && over.bottom() >= middle)
            width = qMax(width, over.width());
    }
    return width;
}

} // namespace

int CaptionFit::room(const QWidget *control)
{
    const QStyle *style = control->style();
    // What a later sibling covers is lost to the caption, on whichever side the caption runs.
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return option->width() - covered(option) - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->contentsRect().width() - covered(label) - qMax(label->indent(), 0) - 2 * label->margin();
    return 0;
}

void CaptionFit::fitCaptions(QWidget *form)
{
    for (QWidget *control : form->findChildren<QWidget *>()) {
        const QString text = caption(control);
        const int available = room(control);
        if (!text.isEmpty() && width(captionFont(control), text) > available)
            condense(control, text, available);
    }
}
