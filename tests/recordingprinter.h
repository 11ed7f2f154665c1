// SPDX-License-Identifier: MIT
#pragma once

#include "printout/lineprinter.h"

#include <QStringList>

// Records every printer operation as a line of text: "direction rtl", "font 20", "line [a][b]",
// "empty", "end".
class RecordingPrinter : public LinePrinter
{
public:
    QStringList operations;

    void setDirection(Qt::LayoutDirection direction) override
    {
        operations << (direction == Qt::RightToLeft ? QStringLiteral("direction rtl") : QStringLiteral("direction ltr"));
    }
    void setFontSize(float points) override { operations << QStringLiteral("font ") + QString::number(points); }
    void printLine(const QStringList &items) override
    {
        QString line = QStringLiteral("line ");
        for (const QString &item : items)
            line += u'[' + item + u']';
        operations << line;
    }
    void printEmptyLine() override { operations << QStringLiteral("empty"); }
    void endDocument() override { operations << QStringLiteral("end"); }
};
