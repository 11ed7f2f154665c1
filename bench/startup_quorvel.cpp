// SPDX-License-Identifier: MIT
// Starts as the program does and reports when the main window has been painted. With
// "all", it also opens User Setup, the preview and About, for the memory figure.
#include "firstpaint.h"

#include "about/qvabout1.h"
#include "core/openwindows.h"
#include "main/qv1.h"
#include "main/startup.h"
#include "core/sharedinstance.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::prepare(app);

    auto &main = SharedInstance<QV1>::get();
    main.show();
    QList<QWidget *> windows{main.window()};
    if (QCoreApplication::arguments().contains(QStringLiteral("all"))) {
        SharedInstance<QVO1>::get().show();
        main.window()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        SharedInstance<QVAbout1>::get().show();
        windows << SharedInstance<QVO1>::get().window() << SharedInstance<QVRP>::get().window()
                << SharedInstance<QVAbout1>::get().window();
    }
    FirstPaint probe(windows);
    const int status = QApplication::exec();
    OpenWindows::instance().discardAll();
    return status;
}
