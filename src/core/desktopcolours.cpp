// SPDX-License-Identifier: MIT
#include "desktopcolours.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

// What small text needs to be read: 4.5:1 is the least (WCAG AA) on the pixels actually
// painted; aiming at 7:1 (AAA) leaves room for the lighter edges of anti-aliased letters.
constexpr double readableContrast = 7.0;

double luminance(const QColor &colour)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                            from.greenF() + (to.greenF() - from.greenF()) * share,
                            from.blueF() + (to.blueF() - from.blueF()) * share);
}

// The palette roles that stand for each system colour: background, then text.
std::pair<QPalette::ColorRole, QPalette::ColorRole> roles(DesktopColours::SystemColour colour)
{
    switch (colour) {
    case DesktopColours::SystemColour::ButtonFace:
        return {QPalette::Button, QPalette::ButtonText};
    case DesktopColours::SystemColour::ActiveBorder:
        break;
    }
    return {QPalette::Window, QPalette::WindowText};
}

QColor extremeFor(const QColor &background)
{
    return luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
}

// Applies colours now, and again whenever the desktop's palette changes (a theme switch):
// the colours derived from it must change with it.
class DesktopFollower : public QObject
{
public:
    DesktopFollower(QWidget *widget, std::function<void()> apply)
        : QObject(widget)
        , m_apply(std::move(apply))
    {
        widget->installEventFilter(this);
        m_apply();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            m_apply();
        return false;
    }

private:
    std::function<void()> m_apply;
};

void followDesktop(QWidget *widget, std::function<void()> apply)
{
    new DesktopFollower(widget, std::move(apply));
}

} // namespace

namespace DesktopColours {

double contrast(const QColor &a, const QColor &b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor distinctFrom(const QColor &wanted, std::initializer_list<QColor> backgrounds, double ratio)
{
    const auto weakest = [&](const QColor &colour) {
        double least = std::numeric_limits<double>::max();
        for (const QColor &background : backgrounds)
            least = std::min(least, contrast(colour, background));
        return least;
    };
    // Towards white on a dark background, towards black on a light one, as little as needed;
    // the other way if that is not enough against every background; where nothing is, the
    // shade that comes nearest (a grey between a dark window and a white box).
    const QColor first = extremeFor(*backgrounds.begin());
    QColor nearest = wanted;
    for (const QColor &extreme : {first, first == QColor(Qt::white) ? QColor(Qt::black) : QColor(Qt::white)}) {
        for (int step = 0; step <= 40; ++step) {
            const QColor candidate = mixed(wanted, extreme, step / 40.0);
            if (weakest(candidate) >= ratio)
                return candidate;
            if (weakest(candidate) > weakest(nearest))
                nearest = candidate;
        }
    }
    return nearest;
}

QColor readableOn(const QColor &wanted, const QColor &background)
{
    return distinctFrom(wanted, {background}, readableContrast);
}

void paintWith(QWidget *widget, SystemColour colour)
{
    followDesktop(widget, [widget, colour] {
        const auto [background, text] = roles(colour);
        const QPalette desktop = QApplication::palette(widget);
        QPalette palette = widget->palette();
        palette.setBrush(QPalette::Window, desktop.brush(background));
        palette.setBrush(QPalette::WindowText, desktop.brush(text));
        widget->setPalette(palette);
    });
    // A frame fills only what lies inside its border line (FrameBox paints it itself).
    widget->setAutoFillBackground(!qobject_cast<QGroupBox *>(widget));
}

void fixBackground(QWidget *textBox, const QColor &background)
{
    followDesktop(textBox, [textBox, background] {
        QPalette palette = textBox->palette();
        const QColor text = QApplication::palette(textBox).color(QPalette::Text);
        palette.setColor(QPalette::Base, background);
        const bool readable = contrast(text, background) >= readableContrast;
        palette.setColor(QPalette::Text, readable ? text : extremeFor(background));
        textBox->setPalette(palette);
    });
}

void fixText(QWidget *widget, const QColor &text)
{
    followDesktop(widget, [widget, text] {
        const bool textBox = qobject_cast<QLineEdit *>(widget);
        const QPalette::ColorRole background = textBox ? QPalette::Base : widget->backgroundRole();
        const QPalette::ColorRole foreground = textBox ? QPalette::Text : widget->foregroundRole();
        QPalette palette = widget->palette();
        palette.setColor(foreground, readableOn(text, QApplication::palette(widget).color(background)));
        widget->setPalette(palette);
    });
}

} // namespace DesktopColours
