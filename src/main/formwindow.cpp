// SPDX-License-Identifier: MIT
#include "formwindow.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

void FormWindow::makeFixedToolWindow(QWidget *window, const QSize &clientSize)
{
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize);
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

void FormWindow::installFontFallbacks()
{
    // MS Sans Serif is about as narrow as Arial, whose metric twin is Liberation Sans.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // A titling face is classic serif capitals; the about dialog asks for capitals itself.
    QFont::insertSubstitutions(QStringLiteral("Perpetua Titling MT"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}
