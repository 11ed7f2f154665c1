// SPDX-License-Identifier: MIT
#include "formwindow.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <mutex>

#include <xcb/xcb.h>

namespace {

// The secondary windows are plain widgets shown as tool windows; a screen reader would call
// them "filler". They are announced as the dialogs they are.
QAccessibleInterface *toolWindowAccessible(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->isWindow() && widget->windowType() == Qt::Tool && !qobject_cast<QDialog *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void FormWindow::makeFixedToolWindow(QWidget *window)
{
    static std::once_flag registered;
    std::call_once(registered, [] { QAccessible::installFactory(toolWindowAccessible); });
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(window->size()); // the form's own size
}

void FormWindow::clearOwner(QWidget *window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || window->windowType() != Qt::Tool || !window->windowHandle())
        return;
    xcb_delete_property(x11->connection(), window->winId(), XCB_ATOM_WM_TRANSIENT_FOR);
    xcb_flush(x11->connection());
}

void FormWindow::makeCancelButton(QPushButton *button)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
}

void FormWindow::useTextBoxFont(QWidget *form)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    for (QLineEdit *textBox : form->findChildren<QLineEdit *>())
        textBox->setFont(font);
}

void FormWindow::installFormFaces()
{
    // The forms' captions were sized for MS Sans Serif's narrow bitmap letters. Measured at
    // 96 dpi, Liberation Sans Narrow is the installable face in which every one of them fits
    // its box with room to spare ("City" in 17 pixels); Liberation Sans and DejaVu do not.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    // A titling face is classic serif capitals; the about dialog asks for capitals itself.
    QFont::insertSubstitutions(QStringLiteral("Perpetua Titling MT"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    // Menus, tooltips and message boxes in the forms' face too.
    const QFont formFace(QStringLiteral("MS Sans Serif"), 8);
    QApplication::setFont(formFace);
    for (const char *kind : {"QMenuBar", "QMenu", "QTipLabel", "QMessageBox"})
        QApplication::setFont(formFace, kind);
}
