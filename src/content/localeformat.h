// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QDate;
class QLocale;
class QTime;

// Every date, time and money text the application shows or prints, in the user's locale.
//
// One rule names the user's locale, for money and dates alike: the variable POSIX gives the
// category (LC_ALL, then LC_MONETARY for money or LC_TIME for dates, then LANG), read as
// Qt reads locale names. A language without a country takes the language's usual country
// ("de" is German in Germany, so its money is the euro); C, POSIX, no name at all, and a
// name that no locale data knows count as US English.
namespace LocaleFormat {

// The locale that the rule above gives for a POSIX locale name.
QLocale resolvedLocale(const QString &posixName);

// The locale names that money and dates follow.
QString moneyLocaleName();
QString timeLocaleName();

// The locale's short date with the year always in four digits: 12/7/2026 in US English.
QString shortDate(const QDate &date);
QString shortDate(const QDate &date, const QLocale &locale);

// Hours and minutes, never seconds, in the locale's short time format: 1:57 AM in US English.
QString shortTime(const QTime &time);
QString shortTime(const QTime &time, const QLocale &locale);

// The exact decimal ("-1234.5") that a typed amount stands for in the given locale, or
// nothing when it does not read as a number there (AmountReader says when it does).
std::optional<QString> decimalFromTyped(const QString &text, const QString &localeName);

// The amount as the preview shows it: a number in the money locale's currency format,
// rounded half away from zero to the currency's digits with every digit kept, and zero
// never signed; an empty text stays empty, and any other text is returned unchanged.
QString currency(const QString &text);
QString currency(const QString &text, const QString &localeName);

} // namespace LocaleFormat
