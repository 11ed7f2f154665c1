// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <optional>

#include <unicode/locid.h>

// Reads a typed amount as a person in one locale would, and only then: the one place that
// says when a text "reads as a number". White space around it is ignored. It reads when it
// is, in order:
// - an optional sign, and the locale's currency symbol or ISO code, optionally (before the
//   number, the sign on either side of it, or after the number);
// - digits (the locale's own digits or ASCII ones), with at most one decimal separator and
//   at least one digit;
// - grouping separators only where the locale puts them: groups of the locale's sizes
//   counted leftwards from the decimal separator (3, or 3 then 2 in India), a leading group
//   of 1 up to that size that does not start with 0, and none in the fraction. A number
//   typed without grouping reads whatever its length.
// Look-alikes people type for a symbol their keyboard lacks count as the symbol: a space
// for a no-break space, ' for ’, ¥ for ￥, "." for the Arabic decimal separator. Latin digits
// take the separators that the locale's people use with Latin digits (in Pashto "100.000" is
// a hundred thousand), the locale's own digits its own separators. A currency abbreviation
// keeps the dot people write after it ("Rs.500" is five hundred rupees), and where the
// decimal separator is a currency sign ($ in Cape Verde), one written first is that sign.
// So under US English "1,250.5" and "1250.5" read, while "12,50" and "0,5" (a decimal
// typed the European way) do not: they are shown as typed, never as a larger amount.
class AmountReader
{
public:
    explicit AmountReader(const icu::Locale &locale);

    // The exact decimal ("-1234.5") that the text stands for, or nothing.
    std::optional<QString> decimal(QStringView typed) const;

private:
    // The separators that go with one set of digits.
    struct Separators
    {
        QList<QString> decimal;
        QList<QString> grouping;
    };

    std::optional<QString> digits(QStringView number, bool negative) const;
    bool groupedCorrectly(const QList<QString> &groups) const;

    Separators m_ownDigits;
    Separators m_latinDigits;
    QList<QString> m_minus;
    QList<QString> m_plus;
    QList<QString> m_currency;
    int m_primaryGroup = 3;
    int m_secondaryGroup = 3;
};
