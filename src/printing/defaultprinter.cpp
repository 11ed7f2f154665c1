// SPDX-License-Identifier: MIT
#include "defaultprinter.h"

#include "printout/printerfactory.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

#include <cups/cups.h>

namespace {

// Draws one line as laid out, bidirectional text included, but leaves the spaces as gaps:
// Qt's PDF output names the space glyph a tab in the page's text layer, so a receipt that
// is copied from or searched would read tabs. The gaps still read as spaces there. What
// runs past the paper's right edge cannot print, and is left out of the document too.
void drawLine(QPainter &painter, const QFont &font, qreal top, const QString &text)
{
    QTextLayout layout(text, font, painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine paperWide = layout.createLine();
    paperWide.setLineWidth(painter.device()->width());
    layout.endLayout();
    for (QGlyphRun run : paperWide.glyphRuns()) {
        const quint32 space = run.rawFont().glyphIndexesForString(QStringLiteral(" ")).value(0);
        const QList<quint32> allGlyphs = run.glyphIndexes();
        const QList<QPointF> allPositions = run.positions(); // each call copies the run
        QList<quint32> glyphs;
        QList<QPointF> positions;
        for (qsizetype i = 0; i < allGlyphs.size(); ++i) {
            if (allGlyphs.at(i) != space) {
                glyphs.append(allGlyphs.at(i));
                positions.append(allPositions.at(i));
            }
        }
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, top), run);
    }
}

// Asks the print system for its default destination with every wait bounded. Qt's own calls
// into CUPS wait minutes for a server that accepts the connection and never answers; once
// this question is answered, they are answered too. A server that cannot be reached at all
// is left to Qt, which then finds no default printer.
void checkPrintSystemAnswers()
{
    constexpr int answerSeconds = 15;
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                answerSeconds * 1000, nullptr);
    if (!http)
        return;
    httpSetTimeout(http, answerSeconds, nullptr, nullptr);
    ipp_t *response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const QString error = QString::fromUtf8(cupsLastErrorString());
    httpClose(http);
    if (!response)
        failPrinting(QCoreApplication::translate("DefaultPrinter",
                                                 "The print system at %1 did not answer within %2 seconds (%3).")
                             .arg(QString::fromUtf8(cupsServer()))
                             .arg(answerSeconds)
                             .arg(error));
    ippDelete(response);
}

} // namespace

DefaultPrinter::DefaultPrinter() = default;

DefaultPrinter::~DefaultPrinter() = default;

void DefaultPrinter::openDocumentIfNeeded()
{
    if (m_printer)
        return;
    checkPrintSystemAnswers();
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        failPrinting(QCoreApplication::translate("DefaultPrinter", "No default printer is set up, or the print system "
                                                                   "cannot be reached. Choose a default printer (lpstat -d "
                                                                   "shows it)."));
    m_printer = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    m_printer->setDocName(QCoreApplication::translate("DefaultPrinter", "Receipt"));
    // Qt falls back to writing a PDF file when the printer is not usable: that is not printing.
    if (m_printer->outputFormat() != QPrinter::NativeFormat)
        failPrinting(QCoreApplication::translate("DefaultPrinter", "The printer \"%1\" cannot be used.")
                             .arg(printer.printerName()));
    m_font = QFont(); // the printer's default typeface: no face is chosen
    // Without ligatures, the page's text layer holds "fi" where "fi" was printed, not "ﬁ".
    m_font.setStyleStrategy(QFont::PreferNoShaping);
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
    m_lines.append({m_font, m_lineTop, items.join(QString())});
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
        failPrinting(QCoreApplication::translate("DefaultPrinter", "The printer \"%1\" cannot start a document.")
                             .arg(m_printer->printerName()));
    // From the left edge of the printable area, as far as the paper reaches.
    for (const PlacedLine &line : std::as_const(m_lines))
        drawLine(painter, line.font, line.top, line.text);
    if (!painter.end() || m_printer->printerState() == QPrinter::Error)
        failPrinting(QCoreApplication::translate("DefaultPrinter", "The printer \"%1\" did not accept the document.")
                             .arg(m_printer->printerName()));
    // Qt hands the finished document to CUPS and reports success whatever CUPS answered.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        failPrinting(QCoreApplication::translate("DefaultPrinter", "The print system did not take the document for \"%1\": %2")
                             .arg(m_printer->printerName(), QString::fromUtf8(cupsLastErrorString())));
}
