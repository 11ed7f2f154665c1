// SPDX-License-Identifier: MIT
#include "pdfpage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <optional>

namespace {

// Draws the item from the given point, as far as room reaches; returns how far it advanced,
// or nothing where the paper's edge cut it short.
std::optional<qreal> drawItem(QPainter &painter, const QFont &font, QPointF at, qreal room, const QString &item)
{
    QTextLayout layout(item, font, painter.device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute); // the item's own direction, from the left
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine(); // only the first line: the rest is past the paper's edge
    line.setLineWidth(room);
    layout.endLayout();
    if (line.naturalTextWidth() > room) // not even its first letter fits
        return std::nullopt;
    layout.draw(&painter, at);
    if (line.textLength() < item.size())
        return std::nullopt;
    return line.horizontalAdvance();
}

// Qt's PDF writer names the space glyph U+0009 in a font's ToUnicode map (it takes the first
// code point that maps to the glyph, and the tab does), so a reader would copy tabs, or lose
// the spaces beside right-to-left words. The maps are corrected in place: the same length,
// so every offset in the document still holds. Qt writes a single glyph's entry as
// "<g> <g> <u>" and other entries as arrays; a range "<a> <b> <u>" that counts up from U+0009
// cannot occur, as no glyph maps to U+000A.
QByteArray withSpacesInTextLayer(QByteArray pdf)
{
    static const QByteArray tab = "<0009>";
    static const QByteArray space = "<0020>";
    for (qsizetype at = pdf.indexOf("beginbfrange"); at >= 0; at = pdf.indexOf("beginbfrange", at)) {
        const qsizetype end = pdf.indexOf("endbfrange", at);
        if (end < 0)
            break;
        for (qsizetype found = pdf.indexOf(tab, at); found >= 0 && found < end; found = pdf.indexOf(tab, found))
            pdf.replace(found, tab.size(), space);
        at = end;
    }
    return pdf;
}

} // namespace

QByteArray pdfPage(const PrintedPage &page, const QPageLayout &paper, const QString &title)
{
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document); // the document is complete only once the writer is gone
        writer.setPageLayout(paper);
        writer.setTitle(title);
        QPainter painter(&writer);
        QFont font; // the default typeface: the application chooses none
        // Without ligatures, the page's text layer holds "fi" where "fi" was printed, not "ﬁ";
        // scripts that need shaping to be read are shaped all the same.
        font.setStyleStrategy(QFont::PreferNoShaping);
        qreal top = 0;
        for (const PrintedLine &line : page) {
            font.setPointSizeF(line.points);
            qreal left = 0;
            for (const QString &item : line.items) {
                const std::optional<qreal> advance =
                        drawItem(painter, font, QPointF(left, top), writer.width() - left, item);
                if (!advance)
                    break;
                left += *advance;
            }
            top += QFontMetricsF(font, &writer).lineSpacing();
        }
    }
    return withSpacesInTextLayer(document.data());
}
