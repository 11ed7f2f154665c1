// SPDX-License-Identifier: MIT
#include "qvo1.h"
#include "ui_qvo1.h"

#include "core/desktopcolours.h"
#include "core/formwindow.h"
#include "core/handlerguard.h"
#include "issuerkeys.h"
#include "settingsstore.h"

#include <algorithm>

namespace {

// The text box in which a field of the Issuer details is typed.
QLineEdit *textBoxFor(const QWidget *dialog, QString IssuerDetails::*field)
{
    const auto row = std::find_if(issuerFields.cbegin(), issuerFields.cend(),
                                  [field](const IssuerField &candidate) { return candidate.field == field; });
    return dialog->findChild<QLineEdit *>(QLatin1StringView(row->setupTextBox));
}

} // namespace

QVO1::QVO1(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::QVO1>())
{
    ui->setupUi(this);
    FormWindow::makeFixedToolWindow(this);
    FormWindow::makeCancelButton(ui->Command1);
    FormWindow::useTextBoxFont(this);
    DesktopColours::paintWith(this, DesktopColours::SystemColour::ButtonFace);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        DesktopColours::fixText(field, Qt::blue);
    ui->Command1->setFocus();
    // OK and Cancel both close, and every close saves.
    for (QPushButton *button : {ui->Command1, ui->Command2})
        connectGuarded(button, &QPushButton::clicked, this, &QVO1::closeDialog);
}

QVO1::~QVO1() = default;

IssuerDetails QVO1::issuerDetails() const
{
    IssuerDetails details;
    for (const IssuerField &row : issuerFields)
        details.*row.field = findChild<QLineEdit *>(QLatin1StringView(row.setupTextBox))->text();
    return details;
}

void QVO1::loadsettings()
{
    for (const IssuerKeys::Key &key : IssuerKeys::keys) {
        QLineEdit *field = textBoxFor(this, key.field);
        field->setText(SettingsStore::getSetting(SettingsStore::applicationName(), IssuerKeys::section, key.read));
        field->setCursorPosition(0); // a long value shows its start
    }
}

void QVO1::savesettings()
{
    for (const IssuerKeys::Key &key : IssuerKeys::keys)
        SettingsStore::saveSetting(SettingsStore::applicationName(), IssuerKeys::section, key.written,
                                   textBoxFor(this, key.field)->text());
}

void QVO1::closeDialog()
{
    SharedInstance<QVO1>::get().unload();
}

void QVO1::loadStep()
{
    loadsettings();
}

void QVO1::unloadStep()
{
    savesettings();
}
