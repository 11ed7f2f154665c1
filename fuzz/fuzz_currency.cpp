// SPDX-License-Identifier: MIT
// Feeds typed amounts to the money formatting under several locales. The first byte picks
// the locale, the rest is the typed text (UTF-8). Checks what the format promises.
#include "content/localeformat.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString locales[] = {QStringLiteral("en_US"), QStringLiteral("de_DE"), QStringLiteral("fr_FR"),
                                      QStringLiteral("ja_JP"), QStringLiteral("de_CH"), QStringLiteral("en_IN"),
                                      QStringLiteral("ar_EG"), QStringLiteral("C"),
                                      QStringLiteral("hi_IN"), QStringLiteral("de"), QStringLiteral("xx_YY"),
                                      QStringLiteral("ps_AF"), QStringLiteral("ar_LB"), QStringLiteral("pt_CV"),
                                      QStringLiteral("en_PK"), QStringLiteral("uz_UZ@cyrillic")};
    static const QRegularExpression exactDecimal(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (size == 0)
        return 0;
    const QString &locale = locales[data[0] % std::size(locales)];
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const std::optional<QString> decimal = LocaleFormat::decimalFromTyped(typed, locale);
    const QString shown = LocaleFormat::currency(typed, locale);
    if (decimal && !exactDecimal.match(*decimal).hasMatch())
        __builtin_trap(); // a number must come out as an exact decimal
    if (!decimal && shown != typed)
        __builtin_trap(); // text that is not a number is shown unchanged
    if (decimal && shown.isEmpty())
        __builtin_trap();
    // An amount as shown, typed back in, reads as the same amount.
    if (decimal && (!LocaleFormat::decimalFromTyped(shown, locale) || LocaleFormat::currency(shown, locale) != shown))
        __builtin_trap();
    return 0;
}
