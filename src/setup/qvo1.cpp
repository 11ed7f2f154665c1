// SPDX-License-Identifier: MIT
#include "qvo1.h"
#include "ui_qvo1.h"

#include "core/desktopcolours.h"
#include "core/formfaces.h"
#include "base/failure.h"
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
    for (const auto &[detail, textBox] : textBoxes)
        details.*detail = (ui.get()->*textBox)->text();
    return details;
}

// A store access for one field. Its failure names the field as the person knows it (its
// spoken name: the caption in full), rather than by the store's key.
void QVO1::accessStore(QString IssuerDetails::*detail, const char *action,
                       const std::function<void(QLineEdit *)> &access)
{
    const auto row = std::find_if(std::cbegin(textBoxes), std::cend(textBoxes),
                                  [detail](const auto &candidate) { return candidate.first == detail; });
    QLineEdit *textBox = ui.get()->*row->second;
    try {
        access(textBox);
    } catch (const Failure &failure) {
        throw Failure(tr(action).arg(textBox->accessibleName(), SettingsStore::filePath()), failure.reason());
    }
}

void QVO1::loadsettings()
{
    for (const IssuerKeys::Key &key : IssuerKeys::keys) {
        accessStore(key.field, QT_TR_NOOP("Reading \u201C%1\u201D from %2"), [&key](QLineEdit *textBox) {
            textBox->setText(
                    SettingsStore::getSetting(SettingsStore::applicationName(), IssuerKeys::section, key.read));
            textBox->setCursorPosition(0); // a long value shows its start
        });
    }
}

void QVO1::savesettings()
{
    for (const IssuerKeys::Key &key : IssuerKeys::keys) {
        accessStore(key.field, QT_TR_NOOP("Saving \u201C%1\u201D to %2"), [&key](QLineEdit *textBox) {
            SettingsStore::saveSetting(SettingsStore::applicationName(), IssuerKeys::section, key.written,
                                       textBox->text());
        });
    }
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
