// SPDX-License-Identifier: MIT
#include "hyperlink.h"

#include "main/failure.h"
#include "main/handlerguard.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

HyperLink::HyperLink(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void HyperLink::setUrl(const QUrl &url)
{
    m_url = url;
}

void HyperLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        runGuarded([this] { follow(); });
    QLabel::mouseReleaseEvent(event);
}

void HyperLink::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        runGuarded([this] { follow(); });
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
        throw Failure(QStringLiteral("Opening %1").arg(m_url.toString()),
                      QStringLiteral("No web browser could be started for the address."));
}
