// SPDX-License-Identifier: MIT
#include "optionbutton.h"

#include <QFocusEvent>

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
{
}

bool OptionButton::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    const bool byTab = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byTab && !isChecked()) {
        for (QRadioButton *option : parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
            if (option->isChecked() && option->autoExclusive()) {
                option->setFocus(event->reason());
                return;
            }
        }
    }
    QRadioButton::focusInEvent(event);
}
