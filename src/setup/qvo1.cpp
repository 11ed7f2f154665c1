// SPDX-License-Identifier: MIT
#include "qvo1.h"
#include "ui_qvo1.h"

#include "core/desktopcolours.h"
#include "core/formfaces.h"
#include "core/handlerguard.h"
#include "store/issuerkeys.h"
#include "store/settingsstore.h"

#include <algorithm>

namespace {

// The text box in which each of the Issuer details is typed.
const std::pair<QString IssuerDetails::*, QLineEdit *Ui::QVO1::*> textBoxes[] = {
    {&IssuerDetails::name, &Ui::QVO1::Text1},  {&IssuerDetails::street, &Ui::QVO1::Text2},
    {&IssuerDetails::city, &Ui::QVO1::Text3},  {&IssuerDetails::state, &Ui::QVO1::Text4},
    {&IssuerDetails::zip, &Ui::QVO1::Text5},
};

} // namespace

QVO1::QVO1(QWidget *parent)
    : ToolWindow(parent)
    , ui(std::make_unique<Ui::QVO1>())
{
    ui->setupUi(this);
    finishForm(DesktopColours::SystemColour::ButtonFace, ui->Command1);
    FormFaces::useTextBoxFont(this);
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
    for (const auto &[field, textBox] : textBoxes)
        details.*field = (ui.get()->*textBox)->text();
    return details;
}

QLineEdit *QVO1::textBoxFor(QString IssuerDetails::*field) const
{
    const auto row = std::find_if(std::cbegin(textBoxes), std::cend(textBoxes),
                                  [field](const auto &candidate) { return candidate.first == field; });
    return ui.get()->*row->second;
}

void QVO1::loadsettings()
{
    for (const IssuerKeys::Key &key : IssuerKeys::keys) {
        QLineEdit *field = textBoxFor(key.field);
        field->setText(SettingsStore::getSetting(SettingsStore::applicationName(), IssuerKeys::section, key.read));
        field->setCursorPosition(0); // a long value shows its start
    }
}

void QVO1::savesettings()
{
    for (const IssuerKeys::Key &key : IssuerKeys::keys)
        SettingsStore::saveSetting(SettingsStore::applicationName(), IssuerKeys::section, key.written,
                                   textBoxFor(key.field)->text());
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
