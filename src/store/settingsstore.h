// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The per-user settings store: entries addressed by application, section and key, all
// three compared without regard to letter case, each holding one text. It lives in one
// INI file in the user's configuration directory. Every call reads or writes the file
// anew; nothing is cached. A call that cannot do its work throws a Failure that names
// the file and the reason.
namespace SettingsStore {

// $XDG_CONFIG_HOME/quorvel/settings.ini, usually ~/.config/quorvel/settings.ini.
QString filePath();

// The base name of the running executable, determined anew at each call.
QString applicationName();

// The entry's value, or the empty string if there is none; reading creates nothing.
QString getSetting(const QString &application, const QString &section, const QString &key);

// Creates or replaces the entry. The file is replaced atomically under a lock, so a crash
// leaves the old or the new content and concurrent runs lose no entry; a new file is
// readable by its owner only.
void saveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

} // namespace SettingsStore
