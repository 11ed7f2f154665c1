// SPDX-License-Identifier: MIT
#include "localeformat.h"

#include "amountreader.h"
#include "icutext.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <unicode/numberformatter.h>
#include <unicode/ucurr.h>

namespace {

QString localeName(const char *category)
{
    for (const char *variable : {"LC_ALL", category, "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

// "de_Latn_DE": language, script and country, as ICU names a locale.
QByteArray icuLocaleId(const QLocale &locale)
{
    return (QLocale::languageToCode(locale.language()) + u'_' + QLocale::scriptToCode(locale.script()) + u'_'
            + QLocale::territoryToCode(locale.territory()))
            .toLatin1();
}

// The ISO code of the locale's currency, or nothing where its country has none.
std::optional<icu::CurrencyUnit> currencyOf(const QByteArray &localeId)
{
    UErrorCode status = U_ZERO_ERROR;
    UChar isoCode[4] = {};
    ucurr_forLocale(localeId.constData(), isoCode, 4, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    icu::CurrencyUnit unit(isoCode, status);
    return U_SUCCESS(status) ? std::optional(unit) : std::nullopt;
}

// The locale that amounts are read and written in, with its currency. A region without a
// currency of its own ("en_150") counts as US English, like every locale that cannot be placed.
struct MoneyLocale
{
    icu::Locale locale;
    icu::CurrencyUnit currency;
};

MoneyLocale moneyLocale(const QString &posixName)
{
    const QByteArray localeId = icuLocaleId(LocaleFormat::resolvedLocale(posixName));
    if (const std::optional<icu::CurrencyUnit> unit = currencyOf(localeId))
        return {icu::Locale(localeId.constData()), *unit};
    const QByteArray us = icuLocaleId(QLocale(QLocale::English, QLocale::UnitedStates));
    return {icu::Locale(us.constData()), *currencyOf(us)};
}

// Runs of one pattern letter in a date or time format, outside quoted literal text.
template <typename Edit>
QString editRuns(const QString &format, QChar letter, Edit edit)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != letter) {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < format.size() && format.at(end) == letter)
            ++end;
        edit(out, end - i);
        i = end;
    }
    return out;
}

} // namespace

namespace LocaleFormat {

QLocale resolvedLocale(const QString &posixName)
{
    const QLocale locale(posixName); // "de" becomes de_DE; names Qt does not know become C
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    // Qt reads no modifier; those that name a script choose how the language is written
    // (sr_RS@latin is Serbian in Latin letters).
    static const std::pair<QStringView, QLocale::Script> scripts[] = {
        {u"latin", QLocale::LatinScript},
        {u"cyrillic", QLocale::CyrillicScript},
        {u"devanagari", QLocale::DevanagariScript},
    };
    const qsizetype at = posixName.indexOf(u'@');
    for (const auto &[modifier, script] : scripts) {
        if (at >= 0 && QStringView(posixName).mid(at + 1) == modifier)
            return QLocale(locale.language(), script, locale.territory());
    }
    return locale;
}

QString moneyLocaleName()
{
    return localeName("LC_MONETARY");
}

QString timeLocaleName()
{
    return localeName("LC_TIME");
}

QString shortDate(const QDate &date)
{
    return shortDate(date, resolvedLocale(timeLocaleName()));
}

QString shortDate(const QDate &date, const QLocale &locale)
{
    // A two-digit year is ambiguous on a receipt.
    const QString format = editRuns(locale.dateFormat(QLocale::ShortFormat), u'y', [](QString &out, qsizetype run) {
        out += QString(run == 2 ? 4 : run, u'y');
    });
    return locale.toString(date, format);
}

QString shortTime(const QTime &time)
{
    return shortTime(time, resolvedLocale(timeLocaleName()));
}

QString shortTime(const QTime &time, const QLocale &locale)
{
    // Some locales' short format (C's among them) carries seconds; the clock shows minutes.
    const QString withoutSeconds =
            editRuns(locale.timeFormat(QLocale::ShortFormat), u's', [](QString &out, qsizetype) {
                if (out.endsWith(u':') || out.endsWith(u'.'))
                    out.chop(1);
            });
    // Taiwan's format names the part of the day with the letter "B", which QLocale does not
    // know and prints as it is ("B15:54"); its morning and afternoon words say the same.
    const QString format =
            editRuns(withoutSeconds, u'B', [](QString &out, qsizetype) { out += QStringLiteral("AP"); });
    return locale.toString(time, format);
}

std::optional<QString> decimalFromTyped(const QString &text, const QString &localeName)
{
    return AmountReader(moneyLocale(localeName).locale).decimal(text);
}

QString currency(const QString &text)
{
    return currency(text, moneyLocaleName());
}

QString currency(const QString &text, const QString &localeName)
{
    const MoneyLocale money = moneyLocale(localeName);
    const std::optional<QString> decimal = AmountReader(money.locale).decimal(text);
    if (!decimal)
        return text;
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray digits = decimal->toLatin1();
    const icu::UnicodeString formatted = icu::number::NumberFormatter::withLocale(money.locale)
                                                 .unit(money.currency)
                                                 .roundingMode(UNUM_ROUND_HALFUP)
                                                 .sign(UNUM_SIGN_NEGATIVE) // -0.001 is $0.00, not -$0.00
                                                 .formatDecimal(icu::StringPiece(digits.constData(), digits.size()), status)
                                                 .toString(status);
    return U_SUCCESS(status) ? fromIcu(formatted) : text;
}

} // namespace LocaleFormat
