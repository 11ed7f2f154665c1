// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// A printer driven as a page of text lines: each line is a list of items (texts, or runs
// of spaces) printed one after the other, from the edge of the printable area where the
// page's direction starts (the left, or the right in a right-to-left language), one line
// height of the current font below the previous line. The first operation opens the
// document; endDocument() hands it to the printer. A failing operation throws a Failure.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;

    virtual void setDirection(Qt::LayoutDirection direction) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void printLine(const QStringList &items) = 0;
    virtual void printEmptyLine() = 0;
    virtual void endDocument() = 0;

    // A run of n spaces: n times the width of a space in the current font.
    static QString spaces(int n) { return QString(n, u' '); }
};
