// SPDX-License-Identifier: MIT
#include "qvrp.h"
#include "ui_qvrp.h"

#include "content/localeformat.h"
#include "core/desktopcolours.h"
#include "core/formwindow.h"
#include "core/handlerguard.h"
#include "main/qv1.h"
#include "printingmodule.h"
#include "receiptprintout.h"
#include "setup/qvo1.h"

#include <QDate>

QVRP::QVRP(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::QVRP>())
{
    ui->setupUi(this);
    FormWindow::makeFixedToolWindow(this);
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

QLabel *QVRP::label(const char *name) const
{
    return findChild<QLabel *>(QLatin1StringView(name));
}

Receipt QVRP::receipt() const
{
    Receipt receipt{{}, ui->Label17->text(), ui->Label18->text(), {}};
    for (const IssuerField &row : issuerFields)
        receipt.issuer.*row.field = label(row.previewLabel)->text();
    for (const PayeeField &row : payeeFields)
        receipt.payee.*row.field = label(row.previewLabel)->text();
    return receipt;
}

void QVRP::loadStep()
{
    // Reading User Setup's fields loads it hidden from the store if it is not loaded.
    const IssuerDetails issuer = SharedInstance<QVO1>::get().window()->issuerDetails();
    for (const IssuerField &row : issuerFields)
        label(row.previewLabel)->setText(issuer.*row.field);
    QV1 *main = SharedInstance<QV1>::get().window();
    ui->Label18->setText(LocaleFormat::currency(main->amountCollected()));
    const PayeeDetails payee = main->payeeDetails();
    for (const PayeeField &row : payeeFields)
        label(row.previewLabel)->setText(payee.*row.field);
}

void QVRP::print()
{
    const std::unique_ptr<LinePrinter> printer = PrintingModule::defaultPrinter();
    printReceipt(receipt(), LocaleFormat::shortDate(QDate::currentDate()), *printer);
}

void QVRP::cancel()
{
    SharedInstance<QVRP>::get().unload();
}
