// SPDX-License-Identifier: MIT
#include "handlerguard.h"

#include "errorreport.h"
#include "base/failure.h"

#include <QCoreApplication>
#include <QString>

#include <new>

void runGuarded(const std::function<void()> &handler) noexcept
{
    try {
        // A failure that does not say what was being done.
        const auto reportUnnamed = [](const QString &reason) {
            ErrorReport::show(QCoreApplication::translate("ErrorReport", "The last command"), reason);
        };
        try {
            handler();
        } catch (const Failure &failure) {
            ErrorReport::show(failure.action(), failure.reason());
        } catch (const std::bad_alloc &) {
            reportUnnamed(QCoreApplication::translate("ErrorReport", "There is not enough memory."));
        } catch (const std::exception &error) {
            reportUnnamed(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            reportUnnamed(QCoreApplication::translate("ErrorReport", "An unknown error occurred."));
        }
    } catch (...) {
        // Even the report could not be shown (no memory for a message box): the
        // handler has ended, and the event loop must go on regardless.
    }
}
