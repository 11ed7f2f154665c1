// SPDX-License-Identifier: MIT
// The printing module's entry: Qt loads it as a plugin on the first Print.
#include "defaultprinter.h"
#include "printout/printerfactory.h"

#include <QObject>

class DefaultPrinterFactory : public QObject, public PrinterFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrinterFactory_iid)
    Q_INTERFACES(PrinterFactory)

public:
    std::unique_ptr<LinePrinter> defaultPrinter() const override { return std::make_unique<DefaultPrinter>(); }
};

#include "defaultprinterfactory.moc"
