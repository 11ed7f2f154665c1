// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QDate;
class QLocale;
class QTime;

// Every date, time and money text the application shows or prints, in the user's locale.
namespace LocaleFormat {

// The locale's short date with the year always in four digits: 12/7/2026 in US English.
QString shortDate(const QDate &date);
QString shortDate(const QDate &date, const QLocale &locale);

// Hours and minutes, never seconds, in the locale's short time format: 1:57 AM in US English.
QString shortTime(const QTime &time);
QString shortTime(const QTime &time, const QLocale &locale);

// The locale that money follows, named as POSIX orders it: LC_ALL, then LC_MONETARY,
// then LANG. The C and POSIX locales, and none at all, count as US English.
QString moneyLocaleName();

// The exact decimal ("-1234.5") that a typed amount stands for in the given locale, or
// nothing when the text does not read as a number there. It reads as a number when,
// white space around it ignored, it is: an optional sign, the locale's currency symbol
// or ISO code optionally (before or after the number), and digits with the locale's
// grouping separators only between digits, at most one decimal separator, and at least
// one digit. Nothing else: no exponent, no second sign, no letters.
std::optional<QString> decimalFromTyped(const QString &text, const QString &localeName);

// The amount as the preview shows it: a number in the money locale's currency format,
// rounded half away from zero to the currency's digits with every digit kept; an empty
// text stays empty, and any other text is returned unchanged.
QString currency(const QString &text);
QString currency(const QString &text, const QString &localeName);

} // namespace LocaleFormat
