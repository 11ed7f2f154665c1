// SPDX-License-Identifier: MIT
#pragma once

class QString;

// The application's one report of a failed handler: a message box that says what failed
// and why. It does not block the caller; it is modal to the application until dismissed.
namespace ErrorReport {
inline constexpr const char *objectName = "ErrorReport";
void show(const QString &action, const QString &reason);
}
