// SPDX-License-Identifier: MIT
#include "receiptprintout.h"

#include "printout/lineprinter.h"

void printReceipt(const Receipt &receipt, const QString &date, LinePrinter &printer)
{
    const auto spaces = &LinePrinter::spaces;
    const IssuerDetails &issuer = receipt.issuer;
    const PayeeDetails &payee = receipt.payee;

    printer.setFontSize(20);
    printer.printLine({QStringLiteral("Receipt Form")});
    printer.setFontSize(14);
    printer.printEmptyLine();
    printer.printLine({date});
    printer.printEmptyLine();
    // The counts line the values up under each other: "Paid to the order of:" is 21
    // characters and its continuation lines are indented 37; "From:" plus 22 makes 27.
    printer.printLine({QStringLiteral("Paid to the order of:"), spaces(20), issuer.name});
    printer.printLine({spaces(37), issuer.street});
    printer.printLine({spaces(37), issuer.city, spaces(1), issuer.state, spaces(1), issuer.zip});
    printer.printEmptyLine();
    printer.printLine({QStringLiteral("Paid by:"), spaces(20), receipt.paymentType});
    printer.printLine({QStringLiteral("In the Amount of:"), spaces(13), receipt.amount});
    printer.printEmptyLine();
    printer.printLine({QStringLiteral("From:"), spaces(22), payee.firstName, spaces(1), payee.lastName});
    printer.printLine({spaces(27), payee.street1});
    printer.printLine({spaces(27), payee.street2});
    printer.printLine({spaces(27), payee.city, spaces(1), payee.state, spaces(1), payee.zip});
    printer.endDocument();
}
