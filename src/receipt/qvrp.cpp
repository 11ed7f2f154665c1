// SPDX-License-Identifier: MIT
#include "qvrp.h"
#include "ui_qvrp.h"

#include "content/localeformat.h"
#include "defaultprinter.h"
#include "core/desktopcolours.h"
#include "core/formwindow.h"
#include "core/handlerguard.h"
#include "main/qv1.h"
#include "receiptprintout.h"
#include "setup/qvo1.h"

#include <QDate>

QVRP::QVRP(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::QVRP>())
{
    ui->setupUi(this);
    FormWindow::makeFixedToolWindow(this, {465, 248}); // 6975 x 3720 twips
    FormWindow::makeCancelButton(ui->Command2);
    DesktopColours::paintWith(this, DesktopColours::SystemColour::ButtonFace);
    ui->Label18->keepAsOneWord();
    ui->Command1->setFocus();
    connectGuarded(ui->Command1, &QPushButton::clicked, this, &QVRP::print);
    connectGuarded(ui->Command2, &QPushButton::clicked, this, &QVRP::cancel);
}

QVRP::~QVRP() = default;

void QVRP::setPaymentType(const QString &text)
{
    ui->Label17->setText(text);
}

Receipt QVRP::receipt() const
{
    return {{ui->Label1->text(), ui->Label2->text(), ui->Label3->text(), ui->Label4->text(), ui->Label5->text()},
            ui->Label17->text(),
            ui->Label18->text(),
            {ui->Label9->text(), ui->Label10->text(), ui->Label11->text(), ui->Label12->text(),
             ui->Label13->text(), ui->Label14->text(), ui->Label6->text()}};
}

void QVRP::loadStep()
{
    // Reading User Setup's fields loads it hidden from the store if it is not loaded.
    const IssuerDetails issuer = SharedInstance<QVO1>::get().window()->issuerDetails();
    ui->Label1->setText(issuer.name);
    ui->Label2->setText(issuer.street);
    ui->Label3->setText(issuer.city);
    ui->Label4->setText(issuer.state);
    ui->Label5->setText(issuer.zip);

    QV1 *main = SharedInstance<QV1>::get().window();
    ui->Label18->setText(LocaleFormat::currency(main->amountCollected()));
    const PayeeDetails payee = main->payeeDetails();
    ui->Label9->setText(payee.firstName);
    ui->Label10->setText(payee.lastName);
    ui->Label11->setText(payee.street1);
    ui->Label12->setText(payee.street2);
    ui->Label13->setText(payee.city);
    ui->Label14->setText(payee.state);
    ui->Label6->setText(payee.zip);
}

void QVRP::print()
{
    DefaultPrinter printer;
    printReceipt(receipt(), LocaleFormat::shortDate(QDate::currentDate()), printer);
}

void QVRP::cancel()
{
    SharedInstance<QVRP>::get().unload();
}
