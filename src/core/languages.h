// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The language the program speaks: the first that the person reads and the program has a
// translation of, chosen as gettext chooses it. English, the language the program is
// written in, where none is.
namespace Languages {

// The languages the person reads, most wanted first: the list in LANGUAGE where it names
// any (it alone decides then), else the messages locale (LC_ALL, then LC_MESSAGES, then
// LANG). None where the messages locale is C or POSIX, or not set: gettext then ignores
// LANGUAGE too.
QStringList wanted();

// The languages the program has a translation of ("de", "pt_BR", ...).
QStringList translated();

// Speaks the language (one of translated(), or English for any other): the program's own
// texts and Qt's, a text box's menu for one. Windows are laid out in its direction: mirrored
// for Arabic and Hebrew.
void use(const QString &language);

// Speaks the first wanted language that the program has, and says which; or English, and
// says nothing. English is found like any other language ("en", "en_US"); where no wanted
// language is found, Qt's own texts follow the person's locale as Qt reads it.
QString install();

} // namespace Languages
