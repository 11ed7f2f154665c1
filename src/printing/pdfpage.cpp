// SPDX-License-Identifier: MIT
#include "pdfpage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <optional>

namespace {

// No line is drawn smaller than this share of its size to fit the paper: a text that would
// need less (a name of a megabyte) could not be read anyway, and what lies past the paper's
// edge is left out.
constexpr qreal smallestScale = 0.2;
// Wider than any paper five times over, in the PDF writer's units: the room to measure a line in.
constexpr qreal unbounded = 1e6;

// The font to draw an item in. Without ligatures, the page's text layer holds "fi" where
// "fi" was printed, not "ﬁ"; where ligatures are more than a look (Arabic letters join, Indic
// letters combine), the item is shaped, as Qt leaves even Arabic unjoined where shaping is
// declined.
QFont itemFont(QFont font, const QString &item)
{
    const QList<uint> letters = item.toUcs4();
    const bool plain = std::all_of(letters.cbegin(), letters.cend(), [](uint letter) {
        switch (QChar::script(char32_t(letter))) {
        case QChar::Script_Common:
        case QChar::Script_Inherited:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
        case QChar::Script_Hebrew:
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
            return true;
        default:
            return false;
        }
    });
    font.setStyleStrategy(plain ? QFont::PreferNoShaping : QFont::PreferDefault);
    return font;
}

QTextLayout *laidOut(QTextLayout &layout, qreal room)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute); // from the left
    // The item's own direction, whatever the program's: "1 Main St" reads so on an Arabic page.
    option.setTextDirection(layout.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setLineWidth(room); // only the first line: the rest is past the paper's edge
    layout.endLayout();
    return &layout;
}

// Draws the item with its near edge at the given point (its left edge, or in a right-to-left
// page its right edge), as far as room reaches; returns how far it advanced, or nothing
// where the paper's edge cut it short.
std::optional<qreal> drawItem(QPainter &painter, const QFont &font, QPointF at, qreal room, const QString &item,
                              Qt::LayoutDirection direction)
{
    QTextLayout layout(item, itemFont(font, item), painter.device());
    const QTextLine line = laidOut(layout, room)->lineAt(0);
    if (line.naturalTextWidth() > room) // not even its first letter fits
        return std::nullopt;
    const qreal advance = line.horizontalAdvance();
    layout.draw(&painter, direction == Qt::RightToLeft ? at - QPointF(advance, 0) : at);
    if (line.textLength() < item.size())
        return std::nullopt;
    return advance;
}

qreal itemWidth(const QFont &font, QPaintDevice *device, const QString &item)
{
    QTextLayout layout(item, itemFont(font, item), device);
    return laidOut(layout, unbounded)->lineAt(0).horizontalAdvance();
}

// The share of its size at which the page fits the printable area, its widest line and its
// height alike: 1 where it fits as it is.
qreal fittingScale(const PrintedPage &page, QFont font, QPaintDevice *device, QSizeF printable)
{
    qreal widest = 0;
    qreal height = 0;
    for (const PrintedLine &line : page.lines) {
        font.setPointSizeF(line.points);
        qreal width = 0;
        for (const QString &item : line.items)
            width += itemWidth(font, device, item);
        widest = qMax(widest, width);
        height += QFontMetricsF(font, device).lineSpacing();
    }
    return qBound(smallestScale, qMin(printable.width() / widest, printable.height() / height), 1.0);
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
        // A page wider or taller than the paper's printable area is drawn smaller, all of it
        // alike, as a print dialog fits a page to the paper: every line stays whole.
        const qreal scale = fittingScale(page, font, &writer, QSizeF(writer.width(), writer.height()));
        if (scale < 1)
            painter.scale(scale, scale);
        const qreal width = writer.width() / scale;
        const bool fromRight = page.direction == Qt::RightToLeft;
        qreal top = 0;
        for (const PrintedLine &line : page.lines) {
            font.setPointSizeF(line.points);
            qreal done = 0; // from the edge where the line starts
            for (const QString &item : line.items) {
                const QPointF at(fromRight ? width - done : done, top);
                const std::optional<qreal> advance = drawItem(painter, font, at, width - done, item, page.direction);
                if (!advance)
                    break;
                done += *advance;
            }
            top += QFontMetricsF(font, &writer).lineSpacing();
        }
    }
    return withSpacesInTextLayer(document.data());
}
