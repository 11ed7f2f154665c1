// SPDX-License-Identifier: MIT
#pragma once

#include "printout/lineprinter.h"

#include <QFont>
#include <QList>

#include <memory>

class QPrinter;

// The system's default printer (CUPS on Linux), with its own page and typeface; only the
// font size is set. The first operation finds the printer; the lines are laid out on its
// page as they come but reach it only when the document ends, so a document that fails on
// the way prints nothing at all.
class DefaultPrinter final : public LinePrinter
{
public:
    DefaultPrinter();
    ~DefaultPrinter() override;

    void setFontSize(float points) override;
    void printLine(const QStringList &items) override;
    void printEmptyLine() override;
    void endDocument() override;

private:
    struct PlacedLine
    {
        QFont font;
        qreal top;
        QString text;
    };

    void openDocumentIfNeeded();
    qreal lineSpacing() const;

    std::unique_ptr<QPrinter> m_printer;
    QFont m_font;
    qreal m_lineTop = 0;
    QList<PlacedLine> m_lines;
};
