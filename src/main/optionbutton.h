// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

// An option button as option groups behave on the desktop: a click anywhere in its box
// selects it, and the Tab key into the group lands on the selected option.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &position) const override;
    void focusInEvent(QFocusEvent *event) override;
};
