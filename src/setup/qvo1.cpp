// SPDX-License-Identifier: MIT
#include "qvo1.h"
#include "ui_qvo1.h"

#include "core/desktopcolours.h"
#include "core/formwindow.h"
#include "core/handlerguard.h"
#include "settingsstore.h"

namespace {

const QString section = QStringLiteral("Recent DBs");

// The keys differ in letter case between reading and writing; the store treats them as one.
struct StoredField
{
    QLineEdit *Ui::QVO1::*field;
    QString keyRead;
    QString keyWritten;
};

const StoredField storedFields[] = {
    {&Ui::QVO1::Text1, QStringLiteral("Text1DB"), QStringLiteral("text1Db")},
    {&Ui::QVO1::Text2, QStringLiteral("text2DB"), QStringLiteral("text2Db")},
    {&Ui::QVO1::Text3, QStringLiteral("Text3DB"), QStringLiteral("text3Db")},
    {&Ui::QVO1::Text4, QStringLiteral("Text4DB"), QStringLiteral("Text4Db")},
    {&Ui::QVO1::Text5, QStringLiteral("Text5DB"), QStringLiteral("Text5Db")},
};

} // namespace

QVO1::QVO1(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::QVO1>())
{
    ui->setupUi(this);
    FormWindow::makeFixedToolWindow(this, {432, 195}); // 6480 x 2925 twips
    FormWindow::makeCancelButton(ui->Command1);
    FormWindow::useTextBoxFont(this);
    DesktopColours::paintWith(this, DesktopColours::SystemColour::ButtonFace);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        DesktopColours::fixText(field, Qt::blue);
    ui->Command1->setFocus();
    connectGuarded(ui->Command1, &QPushButton::clicked, this, &QVO1::command1Click);
    connectGuarded(ui->Command2, &QPushButton::clicked, this, &QVO1::command2Click);
}

QVO1::~QVO1() = default;

IssuerDetails QVO1::issuerDetails() const
{
    return {ui->Text1->text(), ui->Text2->text(), ui->Text3->text(), ui->Text4->text(), ui->Text5->text()};
}

void QVO1::loadsettings()
{
    for (const StoredField &row : storedFields) {
        QLineEdit *field = ui.get()->*row.field;
        field->setText(SettingsStore::getSetting(SettingsStore::applicationName(), section, row.keyRead));
        field->setCursorPosition(0); // a long value shows its start
    }
}

void QVO1::savesettings()
{
    for (const StoredField &row : storedFields)
        SettingsStore::saveSetting(SettingsStore::applicationName(), section, row.keyWritten,
                                   (ui.get()->*row.field)->text());
}

void QVO1::command1Click()
{
    SharedInstance<QVO1>::get().unload();
}

void QVO1::command2Click()
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
