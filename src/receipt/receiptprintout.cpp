// SPDX-License-Identifier: MIT
#include "receiptprintout.h"

#include "printout/lineprinter.h"

#include <QGuiApplication>

namespace {

// The printed page's words.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReceiptPrintout)
};

// A caption and the spaces after it, so that the value after them starts in the character
// column where the English caption and its spaces put it, whatever the language; at least
// one space follows any caption.
QStringList captioned(const QString &caption, int valueColumn)
{
    return {caption, LinePrinter::spaces(qMax(1, int(valueColumn - caption.size())))};
}

} // namespace

void printReceipt(const Receipt &receipt, const QString &date, LinePrinter &printer)
{
    const auto spaces = &LinePrinter::spaces;
    const IssuerDetails &issuer = receipt.issuer;
    const PayeeDetails &payee = receipt.payee;

    // In a right-to-left language the lines run from the right edge, as its readers read.
    printer.setDirection(QGuiApplication::layoutDirection());
    printer.setFontSize(20);
    //: The printed page's heading.
    printer.printLine({Text::tr("Receipt Form")});
    printer.setFontSize(14);
    printer.printEmptyLine();
    printer.printLine({date});
    printer.printEmptyLine();
    // The values line up under each other: "Paid to the order of:" is 21 characters and 20
    // spaces follow it, its continuation lines are indented 37; "From:" plus 22 makes 27.
    //: Printed; the values after the receipt's captions start in the columns where the English
    //: captions set them (41, 28, 30 and 27): a caption longer than that pushes its value right.
    printer.printLine(captioned(Text::tr("Paid to the order of:"), 41) << issuer.name);
    printer.printLine({spaces(37), issuer.street});
    printer.printLine({spaces(37), issuer.city, spaces(1), issuer.state, spaces(1), issuer.zip});
    printer.printEmptyLine();
    printer.printLine(captioned(Text::tr("Paid by:"), 28) << receipt.paymentType);
    printer.printLine(captioned(Text::tr("In the Amount of:"), 30) << receipt.amount);
    printer.printEmptyLine();
    printer.printLine(captioned(Text::tr("From:"), 27)
                      << payee.firstName << spaces(1) << payee.lastName);
    printer.printLine({spaces(27), payee.street1});
    printer.printLine({spaces(27), payee.street2});
    printer.printLine({spaces(27), payee.city, spaces(1), payee.state, spaces(1), payee.zip});
    printer.endDocument();
}
