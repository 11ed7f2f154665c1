// SPDX-License-Identifier: MIT
#include "thirdstabwidget.h"

#include "core/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

class ThirdsTabBar : public QTabBar
{
    Q_OBJECT

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

// One tab as assistive technology sees it: a page tab named by its caption, selected while
// it is the current one, and focused only while the tab bar has the focus (Qt's own reports
// the current tab focused wherever the focus is).
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabAccessible(QTabBar *bar, int index)
        : m_bar(bar)
        , m_index(index)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_bar->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_bar->tabText(m_index).remove(u'&') : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = state.focusable = true;
        state.selected = m_bar->currentIndex() == m_index;
        state.focused = state.selected && m_bar->hasFocus();
        state.invisible = !m_bar->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class TabBarAccessible : public QAccessibleWidget
{
public:
    explicit TabBarAccessible(QTabBar *bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList)
    {
    }
    ~TabBarAccessible() override
    {
        for (QAccessible::Id tab : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(tab);
    }

    // The tab list is named as the tab control is.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return bar()->parentWidget()->accessibleName();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!m_tabs.contains(index))
            m_tabs.insert(index, QAccessible::registerAccessibleInterface(new TabAccessible(bar(), index)));
        return QAccessible::accessibleInterface(m_tabs.value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child)
                return index;
        }
        return -1;
    }

private:
    QTabBar *bar() const { return static_cast<QTabBar *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace

ThirdsTabWidget::ThirdsTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    registerAccessible<ThirdsTabBar, TabBarAccessible>();
    setTabBar(new ThirdsTabBar(this));
}

void ThirdsTabWidget::placePageChildrenFromOuterCorner()
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QRect pageArea =
            QStyle::visualRect(layoutDirection(), rect(),
                               style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this));
    for (int i = 0; i < count(); ++i) {
        for (QWidget *child : widget(i)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            // Read right to left, the form is mirrored within the tab control.
            const QRect placed = QStyle::visualRect(layoutDirection(), rect(), child->geometry());
            child->move(placed.topLeft() - pageArea.topLeft());
        }
    }
}

#include "thirdstabwidget.moc"
