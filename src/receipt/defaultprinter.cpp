// SPDX-License-Identifier: MIT
#include "defaultprinter.h"

#include "main/failure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

const QString printAction = QStringLiteral("Printing the receipt");

} // namespace

DefaultPrinter::DefaultPrinter() = default;

DefaultPrinter::~DefaultPrinter() = default;

void DefaultPrinter::openDocumentIfNeeded()
{
    if (m_printer)
        return;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        throw Failure(printAction, QStringLiteral("No default printer is set up, or the print system cannot be "
                                                  "reached. Choose a default printer (lpstat -d shows it)."));
    m_printer = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    m_printer->setDocName(QStringLiteral("Receipt"));
    // Qt falls back to writing a PDF file when the printer is not usable: that is not printing.
    if (m_printer->outputFormat() != QPrinter::NativeFormat)
        throw Failure(printAction, QStringLiteral("The printer \"%1\" cannot be used.").arg(printer.printerName()));
    m_font = QFont(); // the printer's default typeface: no face is chosen
}

qreal DefaultPrinter::lineSpacing() const
{
    return QFontMetricsF(m_font, m_printer.get()).lineSpacing();
}

void DefaultPrinter::setFontSize(float points)
{
    openDocumentIfNeeded();
    m_font.setPointSizeF(points);
}

void DefaultPrinter::printLine(const QStringList &items)
{
    openDocumentIfNeeded();
    const qreal ascent = QFontMetricsF(m_font, m_printer.get()).ascent();
    m_lines.append({m_font, m_lineTop + ascent, items.join(QString())});
    m_lineTop += lineSpacing();
}

void DefaultPrinter::printEmptyLine()
{
    openDocumentIfNeeded();
    m_lineTop += lineSpacing();
}

void DefaultPrinter::endDocument()
{
    openDocumentIfNeeded();
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        throw Failure(printAction, QStringLiteral("The printer \"%1\" cannot start a document.")
                                           .arg(m_printer->printerName()));
    // From the left edge of the printable area; nothing wraps or shortens a line.
    for (const PlacedLine &line : std::as_const(m_lines)) {
        painter.setFont(line.font);
        painter.drawText(QPointF(0, line.baseline), line.text);
    }
    if (!painter.end() || m_printer->printerState() == QPrinter::Error)
        throw Failure(printAction, QStringLiteral("The printer \"%1\" did not accept the document.")
                                           .arg(m_printer->printerName()));
    // Qt hands the finished document to CUPS and reports success whatever CUPS answered.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw Failure(printAction, QStringLiteral("The print system did not take the document for \"%1\": %2")
                                           .arg(m_printer->printerName(), QString::fromUtf8(cupsLastErrorString())));
}
