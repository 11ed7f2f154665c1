// SPDX-License-Identifier: MIT
#pragma once

#include <QTabWidget>

// A tab control whose tabs are each one third of its width and 20 pixels high (the
// 295-twip tab height), however many tabs it has.
class ThirdsTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    static constexpr int tabHeight = 20;

    explicit ThirdsTabWidget(QWidget *parent = nullptr);

    // The form places page controls from the tab control's outer top-left corner, tab
    // strip included (its top-right corner, mirrored, where the form is read right to left);
    // Qt places them from the page's corner, which the style decides.
    void placePageChildrenFromOuterCorner();
};
