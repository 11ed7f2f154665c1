// SPDX-License-Identifier: MIT
#include "formstyle.h"

#include "desktopcolours.h"
#include "formfaces.h"

#include <QApplication>
#include <QFrame>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOption>

#include <cmath>
#include <functional>
#include <map>
#include <tuple>

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

// An icon read from its files only when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> read)
        : m_read(std::move(read))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }
    bool isNull() override { return false; }

private:
    const QIcon &icon()
    {
        if (m_read) // read once
            m_icon = std::exchange(m_read, nullptr)();
        return m_icon;
    }

    std::function<QIcon()> m_read;
    QIcon m_icon;
};

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
    const QColor wanted = focused ? palette.color(QPalette::Highlight) : palette.color(QPalette::Window).darker(140);
    const QColor window = palette.color(QPalette::Window);
    const QColor base = palette.color(QPalette::Base);
    // Every paint asks again for the same few colours: each is worked out once.
    static std::map<std::tuple<QRgb, QRgb, QRgb>, QColor> worked;
    const auto [known, added] = worked.try_emplace({wanted.rgba(), window.rgba(), base.rgba()});
    if (added)
        known->second = DesktopColours::distinctFrom(wanted, {window, base}, boundaryContrast);
    return known->second;
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

QIcon FormStyle::standardIcon(StandardPixmap icon, const QStyleOption *, const QWidget *widget) const
{
    // Read later, as the widget is then (an option describes only the moment of asking).
    const QPointer<QStyle> base = baseStyle();
    const QPointer<const QWidget> asking = widget;
    return QIcon(new DeferredIconEngine(
            [base, icon, asking] { return base ? base->standardIcon(icon, nullptr, asking) : QIcon(); }));
}
