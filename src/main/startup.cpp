// SPDX-License-Identifier: MIT
#include "startup.h"

#include "core/formfaces.h"
#include "core/formstyle.h"
#include "core/handlerguard.h"
#include "core/languages.h"
#include "core/openwindows.h"
#include "core/sharedinstance.h"
#include "core/terminationsignals.h"
#include "qv1.h"
#include "receipt/printjob.h"

#include <QApplication>
#include <QLocale>
#include <QPixmapCache>
#include <QSessionManager>

void Startup::prepare(QApplication &app)
{
    // Launchers and Wayland compositors match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvel.quorvel"));
    // The program's texts, and Qt's own (a text box's context menu, the message boxes'
    // buttons), in the person's language.
    Languages::install();
    FormFaces::install();
    FormStyle::install();
    // Every window is made afresh with a palette of its own, and the style keys the pixmaps it
    // caches by palette: a closed window's pixmaps are never drawn again, yet would stay until
    // the cache is full. The forms need a few hundred kilobytes of it; 10 MB of dead entries
    // would pile up over a day of receipts.
    QPixmapCache::setCacheLimit(1024);
    // Qt would not count tool windows, and would count windows only loaded hidden: the
    // run ends when the last window that the user can see has closed, once no receipt is
    // still on its way to the printer.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&OpenWindows::instance(), &OpenWindows::lastShownWindowClosed, &app,
                     [] { PrintJob::afterAllSent(&QApplication::quit); });
    // Logging out, or a signal to end, closes the windows as the person would, so User Setup
    // saves what it holds.
    TerminationSignals::install();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [](QSessionManager &session) {
        runGuarded([&session] {
            if (!OpenWindows::instance().closeAllShown(WindowLifecycle::FailedStep::Ask))
                session.cancel();
        });
    });
}

int Startup::run()
{
    SharedInstance<QV1>::get().show();
    const int status = QApplication::exec();
    PrintJob::endAll();
    OpenWindows::instance().discardAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TerminationSignals::endWithReceivedSignal();
    return status;
}
