// SPDX-License-Identifier: MIT
#include "captionfit.h"

#include "formfaces.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

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

int width(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text) + 1;
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

} // namespace

int CaptionFit::room(const QWidget *control)
{
    const QStyle *style = control->style();
    if (const auto *option = qobject_cast<const QRadioButton *>(control)) {
        // A later option overlaps the end of this one's caption, on whichever side it runs.
        int covered = 0;
        const QObjectList siblings = option->parentWidget()->children();
        for (const QRadioButton *above : option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
            if (siblings.indexOf(above) > siblings.indexOf(option))
                covered = qMax(covered, above->geometry().intersected(option->geometry()).width());
        }
        return option->width() - covered - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->contentsRect().width() - qMax(label->indent(), 0) - 2 * label->margin();
    return 0;
}

int CaptionFit::needed(const QWidget *control)
{
    return width(captionFont(control), caption(control));
}

void CaptionFit::fitCaptions(QWidget *form)
{
    for (QWidget *control : form->findChildren<QWidget *>()) {
        const QString text = caption(control);
        const int available = room(control);
        if (!text.isEmpty() && needed(control) > available)
            condense(control, text, available);
    }
}
