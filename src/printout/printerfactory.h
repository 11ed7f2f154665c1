// SPDX-License-Identifier: MIT
#pragma once

#include "base/failure.h"
#include "lineprinter.h"

#include <QCoreApplication>
#include <QtPlugin>

#include <memory>

// What the printing module offers the program. Printing needs Qt PrintSupport, whose
// loading and binding would add a few milliseconds to every start-up; the module that
// holds it is loaded on the first Print instead (PrintingModule).
class PrinterFactory
{
public:
    virtual ~PrinterFactory() = default;

    // The system's default printer; it is looked for on the first operation.
    virtual std::unique_ptr<LinePrinter> defaultPrinter() const = 0;
};

#define PrinterFactory_iid "example.quorvel.PrinterFactory/1.0"
Q_DECLARE_INTERFACE(PrinterFactory, PrinterFactory_iid)

// A printing step that could not do its work: the error report names the reason.
[[noreturn]] inline void failPrinting(const QString &reason)
{
    throw Failure(QCoreApplication::translate("DefaultPrinter", "Printing the receipt"), reason);
}
