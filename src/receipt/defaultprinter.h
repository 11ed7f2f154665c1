// SPDX-License-Identifier: MIT
#pragma once

#include "lineprinter.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;

// The system's default printer (CUPS on Linux), with its own page and typeface; only the
// font size is set. A document that is not ended, because an operation failed on the
// way, is aborted when this object goes, so no partial page is printed.
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
    void openDocumentIfNeeded();
    void advanceLine();
    void checkActive() const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    qreal m_lineTop = 0;
};
