// SPDX-License-Identifier: MIT
#include "defaultprinter.h"

#include "main/failure.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString printAction = QStringLiteral("Printing the receipt");

} // namespace

DefaultPrinter::DefaultPrinter() = default;

DefaultPrinter::~DefaultPrinter()
{
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

void DefaultPrinter::openDocumentIfNeeded()
{
    if (m_painter.isActive())
        return;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        throw Failure(printAction, QStringLiteral("No default printer is set up, or the print system cannot be "
                                                  "reached. Choose a default printer (lpstat -d shows it)."));
    m_printer = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    m_printer->setDocName(QStringLiteral("Receipt"));
    // Qt falls back to writing a PDF file when the printer is not usable: that is not printing.
    if (m_printer->outputFormat() != QPrinter::NativeFormat || !m_painter.begin(m_printer.get()))
        throw Failure(printAction, QStringLiteral("The printer \"%1\" cannot start a document.").arg(printer.printerName()));
    m_font = m_painter.font();
}

void DefaultPrinter::checkActive() const
{
    if (!m_painter.isActive() || m_printer->printerState() == QPrinter::Error)
        throw Failure(printAction, QStringLiteral("The printer \"%1\" stopped taking the document.")
                                           .arg(m_printer->printerName()));
}

void DefaultPrinter::setFontSize(float points)
{
    openDocumentIfNeeded();
    m_font.setPointSizeF(points);
    m_painter.setFont(m_font);
    checkActive();
}

void DefaultPrinter::advanceLine()
{
    m_lineTop += QFontMetricsF(m_font, m_printer.get()).lineSpacing();
}

void DefaultPrinter::printLine(const QStringList &items)
{
    openDocumentIfNeeded();
    const QFontMetricsF metrics(m_font, m_printer.get());
    m_painter.drawText(QPointF(0, m_lineTop + metrics.ascent()), items.join(QString()));
    advanceLine();
    checkActive();
}

void DefaultPrinter::printEmptyLine()
{
    openDocumentIfNeeded();
    advanceLine();
    checkActive();
}

void DefaultPrinter::endDocument()
{
    openDocumentIfNeeded();
    checkActive();
    if (!m_painter.end() || m_printer->printerState() == QPrinter::Error)
        throw Failure(printAction, QStringLiteral("The printer \"%1\" did not accept the document.")
                                           .arg(m_printer->printerName()));
}
