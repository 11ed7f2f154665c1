// SPDX-License-Identifier: MIT
#include "formfaces.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>

QFont FormFaces::formFace()
{
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

void FormFaces::useTextBoxFont(QWidget *form)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    for (QLineEdit *textBox : form->findChildren<QLineEdit *>())
        textBox->setFont(font);
}

void FormFaces::install()
{
    // The forms' captions were sized for MS Sans Serif's narrow bitmap letters. Measured at
    // 96 dpi, Liberation Sans Narrow is the installable face in which every one of them fits
    // its box with room to spare ("City" in 17 pixels); Liberation Sans and DejaVu do not.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    // A titling face is classic serif capitals; the about dialog asks for capitals itself.
    QFont::insertSubstitutions(QStringLiteral("Perpetua Titling MT"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QApplication::setFont(formFace());
}
