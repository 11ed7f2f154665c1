// SPDX-License-Identifier: MIT
#include "toolwindow.h"

#include "accessiblefactory.h"
#include "captionfit.h"
#include "formmirror.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>

#include <xcb/xcb.h>

namespace {

// A plain widget shown as a tool window would be "filler" to a screen reader.
class DialogAccessible : public QAccessibleWidget
{
public:
    explicit DialogAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Dialog)
    {
    }
};

} // namespace

ToolWindow::ToolWindow(QWidget *parent)
    : QWidget(parent)
{
    registerAccessible<ToolWindow, DialogAccessible>();
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void ToolWindow::finishForm(DesktopColours::SystemColour background, QPushButton *cancelButton)
{
    setFixedSize(size()); // the form's own size
    FormMirror::mirrorIfRightToLeft(this);
    CaptionFit::fitCaptions(this);
    DesktopColours::paintWith(this, background);
    if (!cancelButton)
        return;
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, cancelButton, &QPushButton::click);
}

void ToolWindow::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible)
        clearOwner();
}

// Qt makes a parentless tool window transient for the program's hidden leader window on X11
// once it is mapped, so a window manager would keep it above the main window; the
// secondary windows have no owner.
void ToolWindow::clearOwner()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !windowHandle())
        return;
    xcb_delete_property(x11->connection(), winId(), XCB_ATOM_WM_TRANSIENT_FOR);
    xcb_flush(x11->connection());
}
