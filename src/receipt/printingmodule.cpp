// SPDX-License-Identifier: MIT
#include "printingmodule.h"

#include "buildinfo.h"
#include "printout/printsystem.h"

#include <QDir>
#include <QPluginLoader>

// The module lies where it is installed, relative to the program's own folder; the build
// tree keeps the same layout.
const PrintSystem &PrintingModule::printSystem()
{
    static QPluginLoader loader(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUORVEL_PRINTING_MODULE)));
    QObject *module = loader.instance();
    if (!module)
        failPrinting(QCoreApplication::translate("PrintingModule", "The printing module cannot be loaded: %1")
                             .arg(loader.errorString()));
    auto *printSystem = qobject_cast<PrintSystem *>(module);
    if (!printSystem)
        failPrinting(QCoreApplication::translate("PrintingModule", "%1 is not Quorvel's printing module.")
                             .arg(loader.fileName()));
    return *printSystem;
}
