// SPDX-License-Identifier: MIT
#include "printingmodule.h"

#include "buildinfo.h"
#include "printout/printerfactory.h"

#include <QDir>
#include <QPluginLoader>

namespace {

// The module lies where it is installed, relative to the program's own folder; the
// build tree keeps the same layout.
const PrinterFactory &printerFactory()
{
    static QPluginLoader loader(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUORVEL_PRINTING_MODULE)));
    QObject *module = loader.instance();
    if (!module)
        failPrinting(QCoreApplication::translate("DefaultPrinter", "The printing module cannot be loaded: %1")
                             .arg(loader.errorString()));
    auto *factory = qobject_cast<PrinterFactory *>(module);
    if (!factory)
        failPrinting(QCoreApplication::translate("DefaultPrinter", "%1 is not Quorvel's printing module.")
                             .arg(loader.fileName()));
    return *factory;
}

} // namespace

std::unique_ptr<LinePrinter> PrintingModule::defaultPrinter()
{
    return printerFactory().defaultPrinter();
}
