// SPDX-License-Identifier: MIT
#include "thirdstabwidget.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

class ThirdsTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        Q_UNUSED(index);
        return QSize(parentWidget()->width() / 3, ThirdsTabWidget::tabHeight);
    }

    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

ThirdsTabWidget::ThirdsTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new ThirdsTabBar(this));
}

void ThirdsTabWidget::placePageChildrenFromOuterCorner()
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QPoint pageCorner = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
    for (int i = 0; i < count(); ++i) {
        for (QWidget *child : widget(i)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->move(child->pos() - pageCorner);
    }
}
