// SPDX-License-Identifier: MIT
#include "handlerguard.h"

#include "errorreport.h"
#include "failure.h"

#include <QCoreApplication>
#include <QString>

#include <new>

void runGuarded(const std::function<void()> &handler) noexcept
{
    try {
        try {
            handler();
        } catch (const Failure &failure) {
            ErrorReport::show(failure.action(), failure.reason());
        } catch (const std::bad_alloc &) {
            ErrorReport::show(QCoreApplication::translate("ErrorReport", "The last command"),
                              QCoreApplication::translate("ErrorReport", "There is not enough memory."));
        } catch (const std::exception &error) {
            ErrorReport::show(QCoreApplication::translate("ErrorReport", "The last command"), QString::fromLocal8Bit(error.what()));
        } catch (...) {
            ErrorReport::show(QCoreApplication::translate("ErrorReport", "The last command"), QCoreApplication::translate("ErrorReport", "An unknown error occurred."));
        }
    } catch (...) {
        // Even the report could not be shown (no memory for a message box): the
        // handler has ended, and the event loop must go on regardless.
    }
}
