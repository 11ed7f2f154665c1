// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The desktop's own style, with the few things the forms need from it whatever the theme:
// - the outlines of text boxes, option buttons and panels keep 3:1 against what surrounds
//   them, so that a person finds them on a dark desktop too (the style draws them faintly
//   there), and on a light one the panels' light edges;
// - a tab control's frame keeps all four border lines at fractional scales (1.25, 1.5),
//   where the style's own bottom line falls under the page;
// - every widget, menus, tooltips and message boxes among them, takes the forms' face unless
//   it has one of its own, which a platform theme would otherwise replace with its own;
// - its own icons are read when they are first drawn: reading one loads Qt's image plugins,
//   and the menu bar asks for one that it draws only when its menus do not fit.
class FormStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Wraps the style the application has now, and makes the result the application's style.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void polish(QWidget *widget) override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    using QProxyStyle::polish;

    // The colour in which a control's outline stands out from both sides of it.
    static QColor outlineColour(const QStyleOption &option);
};
