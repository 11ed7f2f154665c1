// SPDX-License-Identifier: MIT
#include "hyperlink.h"

#include "base/failure.h"
#include "core/accessiblefactory.h"
#include "core/handlerguard.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// A screen reader hears the control as a link, named by its address, that can be pressed.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(HyperLink *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<HyperLink *>(widget())->activate();
    }
};

} // namespace

HyperLink::HyperLink(QWidget *parent)
    : QLabel(parent)
{
    registerAccessible<HyperLink, LinkAccessible>();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void HyperLink::setUrl(const QUrl &url)
{
    m_url = url;
}

void HyperLink::activate()
{
    runGuarded([this] { follow(); });
}

void HyperLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
    QLabel::mouseReleaseEvent(event);
}

void HyperLink::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        activate();
    else
        QLabel::keyPressEvent(event);
}

void HyperLink::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Show where Tab has put the focus, as a push button does.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void HyperLink::follow()
{
    if (!QDesktopServices::openUrl(m_url))
        throw Failure(QCoreApplication::translate("HyperLink", "Opening %1").arg(m_url.toString()),
                      QCoreApplication::translate("HyperLink", "No web browser could be started for the address."));
}
