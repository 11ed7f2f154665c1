// SPDX-License-Identifier: MIT
#include "qvrp.h"
#include "ui_qvrp.h"

#include "content/localeformat.h"
#include "core/desktopcolours.h"
#include "core/handlerguard.h"
#include "main/qv1.h"
#include "printjob.h"
#include "receiptprintout.h"
#include "setup/qvo1.h"

#include <QDate>

namespace {

// The label in which the preview shows each of the Issuer and Payee details.
const std::pair<QString IssuerDetails::*, FirstLineLabel *Ui::QVRP::*> issuerLabels[] = {
    {&IssuerDetails::name, &Ui::QVRP::Label1}, {&IssuerDetails::street, &Ui::QVRP::Label2},
    {&IssuerDetails::city, &Ui::QVRP::Label3}, {&IssuerDetails::state, &Ui::QVRP::Label4},
    {&IssuerDetails::zip, &Ui::QVRP::Label5},
};

const std::pair<QString PayeeDetails::*, FirstLineLabel *Ui::QVRP::*> payeeLabels[] = {
    {&PayeeDetails::firstName, &Ui::QVRP::Label9}, {&PayeeDetails::lastName, &Ui::QVRP::Label10},
    {&PayeeDetails::street1, &Ui::QVRP::Label11},  {&PayeeDetails::street2, &Ui::QVRP::Label12},
    {&PayeeDetails::city, &Ui::QVRP::Label13},     {&PayeeDetails::state, &Ui::QVRP::Label14},
    {&PayeeDetails::zip, &Ui::QVRP::Label6},
};

} // namespace

QVRP::QVRP(QWidget *parent)
    : ToolWindow(parent)
    , ui(std::make_unique<Ui::QVRP>())
{
    ui->setupUi(this);
    finishForm(DesktopColours::SystemColour::ButtonFace, ui->Command2);
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
    Receipt receipt{{}, ui->Label17->text(), ui->Label18->text(), {}};
    for (const auto &[field, label] : issuerLabels)
        receipt.issuer.*field = (ui.get()->*label)->text();
    for (const auto &[field, label] : payeeLabels)
        receipt.payee.*field = (ui.get()->*label)->text();
    return receipt;
}

void QVRP::loadStep()
{
    // Reading User Setup's fields loads it hidden from the store if it is not loaded.
    const IssuerDetails issuer = SharedInstance<QVO1>::get().window()->issuerDetails();
    for (const auto &[field, label] : issuerLabels)
        (ui.get()->*label)->setText(issuer.*field);
    QV1 *main = SharedInstance<QV1>::get().window();
    ui->Label18->setText(LocaleFormat::currency(main->amountCollected()));
    const PayeeDetails payee = main->payeeDetails();
    for (const auto &[field, label] : payeeLabels)
        (ui.get()->*label)->setText(payee.*field);
}

void QVRP::print()
{
    // The job outlives the preview: a receipt on its way still arrives if the preview closes.
    auto job = std::make_unique<PrintJob>();
    printReceipt(receipt(), LocaleFormat::shortDate(QDate::currentDate()), *job);
    // While the print system takes it, Print says so and cannot be pressed again.
    const bool focused = ui->Command1->hasFocus();
    ui->Command1->setEnabled(false);
    ui->Command1->setText(tr("Printing\u2026"));
    connect(job.release(), &PrintJob::sendingEnded, this, [this, focused] {
        ui->Command1->setText(tr("Print"));
        ui->Command1->setEnabled(true);
        if (focused)
            ui->Command1->setFocus();
    });
}

void QVRP::cancel()
{
    SharedInstance<QVRP>::get().unload();
}
