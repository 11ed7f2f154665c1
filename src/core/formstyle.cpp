// SPDX-License-Identifier: MIT
#include "formstyle.h"

#include "desktopcolours.h"
#include "formfaces.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include <cmath>

namespace {

// A control's boundary needs 3:1 against both sides to be found (WCAG's non-text contrast);
// aiming higher leaves room for the lighter edge pixels of a smoothed circle.
constexpr double boundaryContrast = 4.5;

void drawTabFrame(const QStyleOption &option, QPainter &painter, const QColor &outline)
{
    const QRect frame = option.rect.adjusted(0, 0, -1, -1);
    painter.fillRect(frame, option.palette.window());
    painter.setPen(outline);
    painter.drawRect(frame);
    painter.setPen(option.palette.color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

// Four edges at least one whole device pixel thick, within the box: at a fractional scale a
// one-pixel line would be smoothed pale, or fall outside the box where it is clipped.
void drawOutline(const QStyleOption &option, QPainter &painter, const QColor &outline)
{
    const QRectF box(option.rect);
    const qreal scale = painter.device()->devicePixelRatio();
    const qreal edge = std::ceil(scale) / scale;
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), edge), outline);
    painter.fillRect(QRectF(box.left(), box.bottom() - edge, box.width(), edge), outline);
    painter.fillRect(QRectF(box.left(), box.top(), edge, box.height()), outline);
    painter.fillRect(QRectF(box.right() - edge, box.top(), edge, box.height()), outline);
}

void drawOptionCircle(const QStyleOption &option, QPainter &painter, const QColor &outline)
{
    const QRectF box = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMin(box.width(), box.height()) / 2;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(outline);
    painter.setBrush(option.palette.base());
    painter.drawEllipse(box.center(), radius, radius);
    if (option.state & QStyle::State_On) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(option.palette.text());
        painter.drawEllipse(box.center(), radius / 2.3, radius / 2.3);
    }
}

using Drawing = void (*)(const QStyleOption &, QPainter &, const QColor &);

void drawOutlined(Drawing drawing, const QStyleOption &option, QPainter &painter)
{
    painter.save();
    drawing(option, painter, FormStyle::outlineColour(option));
    painter.restore();
}

} // namespace

void FormStyle::install()
{
    QApplication::setStyle(new FormStyle);
}

QColor FormStyle::outlineColour(const QStyleOption &option)
{
    // The focused control in the desktop's highlight colour, as the style draws it.
    const bool focused = option.state & QStyle::State_HasFocus;
    const QPalette &palette = option.palette;
    return DesktopColours::distinctFrom(focused ? palette.color(QPalette::Highlight)
                                                : palette.color(QPalette::Window).darker(140),
                                        {palette.color(QPalette::Window), palette.color(QPalette::Base)},
                                        boundaryContrast);
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    switch (element) {
    case PE_FrameTabWidget:
        return drawOutlined(drawTabFrame, *option, *painter);
    case PE_FrameLineEdit:
        return drawOutlined(drawOutline, *option, *painter);
    case PE_IndicatorRadioButton:
        return drawOutlined(drawOptionCircle, *option, *painter);
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FormStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    // A sunken panel (the status bar's) is drawn by its shades, and a light shade does not show
    // on a light window: its outline stands out on every side instead.
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element == CE_ShapedFrame && frame && frame->frameShape == QFrame::Panel)
        return drawOutlined(drawOutline, *option, *painter);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void FormStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // A platform theme sets faces of its own on the application and on kinds of widgets (a
    // page created before its tab control inherits them too): every widget without a face of
    // its own takes the forms'.
    if (!widget->testAttribute(Qt::WA_SetFont))
        widget->setFont(FormFaces::formFace());
}
