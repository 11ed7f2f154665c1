// SPDX-License-Identifier: MIT
#include "localeformat.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include <algorithm>

#include <unicode/dcfmtsym.h>
#include <unicode/numberformatter.h>
#include <unicode/ucurr.h>

namespace {

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// "de_DE.UTF-8@euro" names the ICU locale "de_DE"; C and POSIX have no money format.
QByteArray icuLocaleId(const QString &posixName)
{
    QString name = posixName.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        name = QStringLiteral("en_US");
    return name.toLatin1();
}

struct NumberSymbols
{
    QString decimal;
    QList<QString> grouping;
    QList<QString> minus;
    QList<QString> plus;
    QList<QString> currency;
};

NumberSymbols numberSymbols(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(locale, status);
    auto symbol = [&symbols](icu::DecimalFormatSymbols::ENumberFormatSymbol which) {
        return fromIcu(symbols.getConstSymbol(which));
    };
    NumberSymbols result;
    result.decimal = symbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
    const QString grouping = symbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol);
    result.grouping = {grouping};
    // People type the plain look-alike of a separator that their keyboard lacks.
    if (grouping.size() == 1 && grouping.front().isSpace())
        result.grouping += {QStringLiteral(" "), QStringLiteral("\u00A0"), QStringLiteral("\u202F")};
    if (grouping == u"\u2019")
        result.grouping += QStringLiteral("'");
    result.minus = {symbol(icu::DecimalFormatSymbols::kMinusSignSymbol), QStringLiteral("-")};
    result.plus = {symbol(icu::DecimalFormatSymbols::kPlusSignSymbol), QStringLiteral("+")};
    result.currency = {symbol(icu::DecimalFormatSymbols::kCurrencySymbol),
                       symbol(icu::DecimalFormatSymbols::kIntlCurrencySymbol)};
    return result;
}

// Takes one of the candidates off the front (or back) of text, if it is there.
bool takePrefix(QStringView &text, const QList<QString> &candidates)
{
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && text.startsWith(candidate)) {
            text = text.mid(candidate.size()).trimmed();
            return true;
        }
    }
    return false;
}

bool takeSuffix(QStringView &text, const QList<QString> &candidates)
{
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && text.endsWith(candidate)) {
            text = text.chopped(candidate.size()).trimmed();
            return true;
        }
    }
    return false;
}

// Reads optional sign, then digits, grouping and decimal separators: "-1234.5" or nothing.
std::optional<QString> digitsOnly(QStringView text, const NumberSymbols &symbols, bool negative)
{
    QString integerDigits;
    QString fractionDigits;
    bool inFraction = false;
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = text.mid(i);
        if (rest.front().isDigit()) {
            (inFraction ? fractionDigits : integerDigits) += QChar(u'0' + rest.front().digitValue());
            ++i;
            continue;
        }
        if (!inFraction && rest.startsWith(symbols.decimal)) {
            inFraction = true;
            i += symbols.decimal.size();
            continue;
        }
        const auto separator = std::find_if(symbols.grouping.cbegin(), symbols.grouping.cend(),
                                            [rest](const QString &s) { return rest.startsWith(s); });
        const bool betweenDigits = separator != symbols.grouping.cend() && !inFraction && i > 0
                && text.at(i - 1).isDigit() && i + separator->size() < text.size()
                && text.at(i + separator->size()).isDigit();
        if (!betweenDigits)
            return std::nullopt;
        i += separator->size();
    }
    if (integerDigits.isEmpty() && fractionDigits.isEmpty())
        return std::nullopt;
    QString decimal = negative ? QStringLiteral("-") : QString();
    decimal += integerDigits.isEmpty() ? QStringLiteral("0") : integerDigits;
    if (!fractionDigits.isEmpty())
        decimal += u'.' + fractionDigits;
    return decimal;
}

} // namespace

namespace LocaleFormat {

QString shortDate(const QDate &date)
{
    return shortDate(date, QLocale::system());
}

QString shortDate(const QDate &date, const QLocale &locale)
{
    // A two-digit year is ambiguous on a receipt.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

QString shortTime(const QTime &time)
{
    return shortTime(time, QLocale::system());
}

QString shortTime(const QTime &time, const QLocale &locale)
{
    // Some locales' short format (C's among them) carries seconds; the clock shows minutes.
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return locale.toString(time, format);
}

QString moneyLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

std::optional<QString> decimalFromTyped(const QString &text, const QString &localeName)
{
    const NumberSymbols symbols = numberSymbols(icu::Locale(icuLocaleId(localeName).constData()));
    QStringView rest = QStringView(text).trimmed();
    bool negative = takePrefix(rest, symbols.minus);
    const bool positive = !negative && takePrefix(rest, symbols.plus);
    const bool leadingCurrency = takePrefix(rest, symbols.currency);
    // "CHF-2.68", "$-12": the sign may also follow a leading symbol.
    if (leadingCurrency && !negative && !positive) {
        negative = takePrefix(rest, symbols.minus);
        if (!negative)
            takePrefix(rest, symbols.plus);
    }
    if (!leadingCurrency)
        takeSuffix(rest, symbols.currency);
    return digitsOnly(rest, symbols, negative);
}

QString currency(const QString &text)
{
    return currency(text, moneyLocaleName());
}

QString currency(const QString &text, const QString &localeName)
{
    const QByteArray localeId = icuLocaleId(localeName);
    const std::optional<QString> decimal = decimalFromTyped(text, localeName);
    if (!decimal)
        return text;

    UErrorCode status = U_ZERO_ERROR;
    UChar isoCode[4] = {};
    ucurr_forLocale(localeId.constData(), isoCode, 4, &status);
    if (U_FAILURE(status))
        u_charsToUChars("XXX", isoCode, 4); // ICU's "no currency": the generic sign
    status = U_ZERO_ERROR;
    const icu::CurrencyUnit unit(isoCode, status);
    const QByteArray digits = decimal->toLatin1();
    const icu::UnicodeString formatted = icu::number::NumberFormatter::withLocale(icu::Locale(localeId.constData()))
                                                 .unit(unit)
                                                 .roundingMode(UNUM_ROUND_HALFUP)
                                                 .formatDecimal(icu::StringPiece(digits.constData(), digits.size()), status)
                                                 .toString(status);
    return U_SUCCESS(status) ? fromIcu(formatted) : text;
}

} // namespace LocaleFormat
