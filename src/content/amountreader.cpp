// SPDX-License-Identifier: MIT
#include "amountreader.h"
#include "icutext.h"

#include <algorithm>
#include <memory>

#include <unicode/decimfmt.h>
#include <unicode/numfmt.h>
#include <unicode/numsys.h>

namespace {

// Invisible marks that set the direction of right-to-left text: ICU writes them around
// Arabic amounts, and they say nothing about the number.
QString withoutBidiMarks(QStringView text)
{
    QString out = text.toString();
    out.removeIf([](QChar c) { return c == u'\u200E' || c == u'\u200F' || c == u'\u061C'; });
    return out;
}

// The length of the candidate that text starts with at position i, or 0.
qsizetype matchAt(QStringView text, qsizetype i, const QList<QString> &candidates)
{
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && text.mid(i).startsWith(candidate))
            return candidate.size();
    }
    return 0;
}

// Takes one of the candidates off the front (or back) of text, if it is there.
bool takePrefix(QStringView &text, const QList<QString> &candidates)
{
    const qsizetype length = matchAt(text, 0, candidates);
    if (length > 0)
        text = text.mid(length).trimmed();
    return length > 0;
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

// The symbol, and the plain look-alike that people type when their keyboard lacks it.
QList<QString> withLookAlikes(const QString &marked)
{
    const QString symbol = withoutBidiMarks(marked);
    QList<QString> symbols{symbol};
    if (symbol.size() == 1 && symbol.front().isSpace())
        symbols += {QStringLiteral(" "), QStringLiteral("\u00A0"), QStringLiteral("\u202F")};
    else if (symbol == u"\u2019")
        symbols += QStringLiteral("'");
    else if (symbol == u"\u066B") // the Arabic decimal separator
        symbols += QStringLiteral(".");
    // Compatibility forms: the full-width yen sign ￥ is typed as ¥.
    const QString plain = symbol.normalized(QString::NormalizationForm_KC);
    if (plain != symbol)
        symbols += plain;
    return symbols;
}

// A currency abbreviation, and the same with the dot people write after it ("Rs." for "Rs"),
// longest first.
QList<QString> withAbbreviationDots(const QList<QString> &symbols)
{
    QList<QString> withDots;
    for (const QString &symbol : symbols) {
        if (symbol.size() > 1)
            withDots += symbol + u'.';
        withDots += symbol;
    }
    return withDots;
}

} // namespace

AmountReader::AmountReader(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberFormat> format(icu::NumberFormat::createInstance(locale, UNUM_CURRENCY, status));
    const auto *decimalFormat = dynamic_cast<const icu::DecimalFormat *>(format.get());
    if (U_FAILURE(status) || !decimalFormat)
        return; // reads nothing: every text is shown as typed
    const icu::DecimalFormatSymbols &symbols = *decimalFormat->getDecimalFormatSymbols();
    auto symbol = [](const icu::DecimalFormatSymbols &of, icu::DecimalFormatSymbols::ENumberFormatSymbol which) {
        return fromIcu(of.getConstSymbol(which));
    };
    auto separators = [&symbol](const icu::DecimalFormatSymbols &of) {
        return Separators{withLookAlikes(symbol(of, icu::DecimalFormatSymbols::kMonetarySeparatorSymbol)),
                          withLookAlikes(symbol(of, icu::DecimalFormatSymbols::kMonetaryGroupingSeparatorSymbol))};
    };
    m_ownDigits = separators(symbols);
    const std::unique_ptr<icu::NumberingSystem> latin(icu::NumberingSystem::createInstanceByName("latn", status));
    const icu::DecimalFormatSymbols latinSymbols(locale, *latin, status);
    m_latinDigits = U_SUCCESS(status) ? separators(latinSymbols) : m_ownDigits;
    m_minus = {withoutBidiMarks(symbol(symbols, icu::DecimalFormatSymbols::kMinusSignSymbol)), QStringLiteral("-")};
    m_plus = {withoutBidiMarks(symbol(symbols, icu::DecimalFormatSymbols::kPlusSignSymbol)), QStringLiteral("+")};
    m_currency = withAbbreviationDots(withLookAlikes(symbol(symbols, icu::DecimalFormatSymbols::kCurrencySymbol)));
    m_currency += withoutBidiMarks(symbol(symbols, icu::DecimalFormatSymbols::kIntlCurrencySymbol));
    // Where the decimal separator is a currency sign (the cifrão of Cape Verde), one that
    // stands first is that sign: "$1250" is 1250 escudos, not 0$1250.
    const QString decimalSign = m_ownDigits.decimal.first();
    if (decimalSign.size() == 1 && decimalSign.front().category() == QChar::Symbol_Currency)
        m_currency += decimalSign;
    m_primaryGroup = decimalFormat->getGroupingSize();
    const int secondary = decimalFormat->getSecondaryGroupingSize();
    m_secondaryGroup = secondary > 0 ? secondary : m_primaryGroup;
}

std::optional<QString> AmountReader::decimal(QStringView typed) const
{
    const QString unmarked = withoutBidiMarks(typed);
    QStringView rest = QStringView(unmarked).trimmed();
    bool negative = takePrefix(rest, m_minus);
    const bool positive = !negative && takePrefix(rest, m_plus);
    const bool leadingCurrency = takePrefix(rest, m_currency);
    // "CHF-2.68", "$-12": the sign may also follow a leading symbol.
    if (leadingCurrency && !negative && !positive) {
        negative = takePrefix(rest, m_minus);
        if (!negative)
            takePrefix(rest, m_plus);
    }
    if (!leadingCurrency)
        takeSuffix(rest, m_currency);
    return digits(rest, negative);
}

std::optional<QString> AmountReader::digits(QStringView number, bool negative) const
{
    const bool latinDigits = std::none_of(number.cbegin(), number.cend(),
                                          [](QChar c) { return c.isDigit() && c.unicode() > u'9'; });
    const Separators &separators = latinDigits ? m_latinDigits : m_ownDigits;
    QList<QString> groups{QString()}; // the integer digits, split where a grouping separator stood
    QString fraction;
    bool inFraction = false;
    for (qsizetype i = 0; i < number.size();) {
        if (number.at(i).isDigit()) {
            (inFraction ? fraction : groups.last()) += QChar(u'0' + number.at(i).digitValue());
            ++i;
        } else if (qsizetype length = inFraction ? 0 : matchAt(number, i, separators.decimal)) {
            inFraction = true;
            i += length;
        } else if (qsizetype length = inFraction ? 0 : matchAt(number, i, separators.grouping)) {
            groups.append(QString());
            i += length;
        } else {
            return std::nullopt;
        }
    }
    const QString integer = groups.join(QString());
    if (integer.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (groups.size() > 1 && !groupedCorrectly(groups))
        return std::nullopt;
    QString decimal = negative ? QStringLiteral("-") : QString();
    decimal += integer.isEmpty() ? QStringLiteral("0") : integer;
    if (!fraction.isEmpty())
        decimal += u'.' + fraction;
    return decimal;
}

bool AmountReader::groupedCorrectly(const QList<QString> &groups) const
{
    // Counted from the decimal separator: the first group has the primary size, every group
    // left of it the secondary size, the leading one at most that.
    if (groups.last().size() != m_primaryGroup)
        return false;
    for (qsizetype i = 1; i + 1 < groups.size(); ++i) {
        if (groups.at(i).size() != m_secondaryGroup)
            return false;
    }
    const QString &leading = groups.first();
    return !leading.isEmpty() && leading.size() <= m_secondaryGroup && !leading.startsWith(u'0');
}
