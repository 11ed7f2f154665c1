// SPDX-License-Identifier: MIT
#pragma once

class QMessageBox;
class QString;

// The application's one report of a failed handler: a message box that says what failed
// and why. It does not block the caller; it is modal to the application until dismissed,
// and then deletes itself.
namespace ErrorReport {
inline constexpr const char *objectName = "ErrorReport";
QMessageBox *show(const QString &action, const QString &reason);

// A window could not keep what was typed in it while closing (its settings could not be
// saved). The person decides, in a modal question that names what failed and why.
enum class FailedClose { TryAgain, CloseWithoutSaving, GoBack };
inline constexpr const char *failedCloseObjectName = "FailedClose";
FailedClose askAfterFailedClose(const QString &windowTitle, const QString &action, const QString &reason);

// Nobody is there to answer any more: a question on the screen is answered "close without
// saving".
void closeQuestionWithoutSaving();
}
