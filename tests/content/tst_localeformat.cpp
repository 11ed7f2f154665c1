// SPDX-License-Identifier: MIT
#include "content/localeformat.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLocaleFormat : public QObject
{
    Q_OBJECT

private slots:
    // What people in each locale type, and what the preview shows and the receipt prints:
    // a text that a person there would not read as that number is shown exactly as typed.
    void currency_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const struct { const char *name; const char *locale; const char16_t *typed; const char16_t *shown; } rows[] = {
            // en_US
            {"US plain", "en_US.UTF-8", u"12.5", u"$12.50"},
            {"US grouping added", "en_US.UTF-8", u"1234567.891", u"$1,234,567.89"},
            {"US half away from zero", "en_US.UTF-8", u"2.675", u"$2.68"},
            {"US smallest half", "en_US.UTF-8", u"0.005", u"$0.01"},
            {"US negative half", "en_US.UTF-8", u"-2.675", u"-$2.68"},
            {"US every digit kept", "en_US.UTF-8", u"12345678901234567890.125", u"$12,345,678,901,234,567,890.13"},
            {"US typed with symbol and groups", "en_US.UTF-8", u" $1,234.5 ", u"$1,234.50"},
            {"US grouped", "en_US.UTF-8", u"1,250.5", u"$1,250.50"},
            {"US grouped millions", "en_US.UTF-8", u"12,345,678", u"$12,345,678.00"},
            {"US zero", "en_US.UTF-8", u"0", u"$0.00"},
            {"US leading point", "en_US.UTF-8", u".5", u"$0.50"},
            {"US minus zero", "en_US.UTF-8", u"-0", u"$0.00"},
            {"US minus zero cents", "en_US.UTF-8", u"-0.00", u"$0.00"},
            {"US minus rounds to zero", "en_US.UTF-8", u"-0.001", u"$0.00"},
            {"US European decimal", "en_US.UTF-8", u"12,50", u"12,50"},
            {"US European half", "en_US.UTF-8", u"0,5", u"0,5"},
            {"US comma decimal", "en_US.UTF-8", u"1,5", u"1,5"},
            {"US group typo", "en_US.UTF-8", u"12,345,67", u"12,345,67"},
            {"US group of four", "en_US.UTF-8", u"1,2345", u"1,2345"},
            {"US leading group too long", "en_US.UTF-8", u"1234,567", u"1234,567"},
            {"US lone zero group", "en_US.UTF-8", u"0,500", u"0,500"},
            {"US group in the fraction", "en_US.UTF-8", u"1.234,5", u"1.234,5"},
            {"US empty stays empty", "en_US.UTF-8", u"", u""},
            {"US words unchanged", "en_US.UTF-8", u"abc", u"abc"},
            {"US two points unchanged", "en_US.UTF-8", u"12.5.3", u"12.5.3"},
            {"US trailing letters unchanged", "en_US.UTF-8", u"12abc", u"12abc"},
            {"US blanks kept when not a number", "en_US.UTF-8", u" abc ", u" abc "},
            // en_GB
            {"GB plain", "en_GB.UTF-8", u"12.5", u"£12.50"},
            {"GB pound typed", "en_GB.UTF-8", u"£1,250", u"£1,250.00"},
            {"GB comma decimal", "en_GB.UTF-8", u"3,99", u"3,99"},
            {"GB negative", "en_GB.UTF-8", u"-£5", u"-£5.00"},
            // en_IN and hi_IN
            {"IN lakh grouping added", "en_IN.UTF-8", u"1234567.5", u"₹12,34,567.50"},
            {"IN lakh typed", "en_IN.UTF-8", u"1,00,000", u"₹1,00,000.00"},
            {"IN crore typed", "en_IN.UTF-8", u"1,23,45,678.9", u"₹1,23,45,678.90"},
            {"IN thousands typed", "en_IN.UTF-8", u"12,345", u"₹12,345.00"},
            {"IN Western grouping", "en_IN.UTF-8", u"100,000", u"100,000"},
            {"IN comma decimal", "hi_IN.UTF-8", u"0,75", u"0,75"},
            {"IN Hindi plain", "hi_IN.UTF-8", u"0.75", u"₹0.75"},
            // de_DE
            {"DE plain", "de_DE.UTF-8", u"1234,5", u"1.234,50\u00A0€"},
            {"DE groups typed", "de_DE.UTF-8", u"1.234.567,891", u"1.234.567,89\u00A0€"},
            {"DE negative", "de_DE", u"-0,5", u"-0,50\u00A0€"},
            {"DE grouped", "de_DE.UTF-8", u"1.250,5", u"1.250,50\u00A0€"},
            {"DE euro typed", "de_DE.UTF-8", u"12,50 €", u"12,50\u00A0€"},
            {"DE point decimal", "de_DE.UTF-8", u"0.5", u"0.5"},
            {"DE point decimal cents", "de_DE.UTF-8", u"12.50", u"12.50"},
            {"DE US style", "de_DE.UTF-8", u"1,250.50", u"1,250.50"},
            {"DE long amount", "de_DE.UTF-8", u"1234567890123456789012345",
             u"1.234.567.890.123.456.789.012.345,00\u00A0€"},
            {"DE modifier ignored", "de_DE@euro", u"1", u"1,00\u00A0€"},
            // de_CH
            {"CH plain", "de_CH.UTF-8", u"1234.5", u"CHF\u00A01’234.50"},
            {"CH apostrophe typed", "de_CH.UTF-8", u"1'250.5", u"CHF\u00A01’250.50"},
            {"CH own apostrophe", "de_CH.UTF-8", u"1’250.5", u"CHF\u00A01’250.50"},
            {"CH comma decimal", "de_CH.UTF-8", u"12,5", u"12,5"},
            // fr_FR
            {"FR plain", "fr_FR.UTF-8", u"1234,5", u"1\u202F234,50\u00A0€"},
            {"FR plain space group", "fr_FR.UTF-8", u"1 234,5 €", u"1\u202F234,50\u00A0€"},
            {"FR no-break space group", "fr_FR.UTF-8", u"1\u00A0234,5", u"1\u202F234,50\u00A0€"},
            {"FR point decimal", "fr_FR.UTF-8", u"0.5", u"0.5"},
            {"FR space in the fraction", "fr_FR.UTF-8", u"12,5 0", u"12,5 0"},
            // ja_JP
            {"JP no decimals", "ja_JP.UTF-8", u"1234.5", u"￥1,235"},
            {"JP grouped", "ja_JP.UTF-8", u"1,500", u"￥1,500"},
            {"JP yen sign typed", "ja_JP.UTF-8", u"¥1,500", u"￥1,500"},
            {"JP full-width yen typed", "ja_JP.UTF-8", u"￥1500", u"￥1,500"},
            {"JP comma decimal", "ja_JP.UTF-8", u"1,5", u"1,5"},
            // ar_EG
            {"EG own digits", "ar_EG.UTF-8", u"١٢٫٥", u"\u200F١٢٫٥٠\u00A0ج.م.\u200F"},
            {"EG ASCII point", "ar_EG.UTF-8", u"12.5", u"\u200F١٢٫٥٠\u00A0ج.م.\u200F"},
            {"EG own grouping", "ar_EG.UTF-8", u"١٬٢٥٠", u"\u200F١٬٢٥٠٫٠٠\u00A0ج.م.\u200F"},
            {"EG words", "ar_EG.UTF-8", u"خمسة", u"خمسة"},
            {"EG Latin digits, grouped as in Egypt", "ar_EG.UTF-8", u"1,250.5", u"\u200F١٬٢٥٠٫٥٠\u00A0ج.م.\u200F"},
            // Latin digits grouped with a point, as in Pashto, Lebanon and Mauritania
            {"PS Latin thousands", "ps_AF.UTF-8", u"100.000", u"؋\u00A0۱۰۰٬۰۰۰"},
            {"LB Latin thousands", "ar_LB.UTF-8", u"1.500", u"\u200F١٬٥٠٠\u00A0ل.ل.\u200F"},
            {"MR Latin decimal comma", "ar_MR.UTF-8", u"12,5", u"\u200F١٢٫٥٠\u00A0أ.م."},
            // currency abbreviations written with their dot, and a sign that is a separator
            {"PK rupees with a dot", "en_PK.UTF-8", u"Rs.500", u"Rs\u00A0500.00"},
            {"KE shillings with a dot", "en_KE.UTF-8", u"Ksh.500", u"Ksh\u00A0500.00"},
            {"PE soles with a dot", "es_PE.UTF-8", u"S/.500", u"S/\u00A0500.00"},
            {"US dollar before a point", "en_US.UTF-8", u"$.50", u"$0.50"},
            {"CV escudo sign first", "pt_CV.UTF-8", u"$1250", u"1250$00\u00A0\u200B"},
            // script modifiers
            {"Uzbek in Cyrillic letters", "uz_UZ@cyrillic", u"1250,5", u"1\u00A0250,50\u00A0сўм"},
            // locale names
            {"language only", "de", u"12,5", u"12,50\u00A0€"},
            {"language and encoding", "de.UTF-8", u"12,5", u"12,50\u00A0€"},
            {"French only", "fr", u"3", u"3,00\u00A0€"},
            {"unknown locale is US", "xx_YY.UTF-8", u"12.5", u"$12.50"},
            {"C locale counts as US", "C.UTF-8", u"12.5", u"$12.50"},
            {"POSIX counts as US", "POSIX", u"1,250", u"$1,250.00"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.locale) << QString::fromUtf16(row.typed)
                                    << QString::fromUtf16(row.shown);
    }

    // A shown amount typed back in reads as the same amount.
    void shownAmountReadsBack_data() { currency_data(); }

    void shownAmountReadsBack()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        if (!LocaleFormat::decimalFromTyped(typed, locale))
            return;
        QVERIFY(LocaleFormat::decimalFromTyped(shown, locale));
        QCOMPARE(LocaleFormat::currency(shown, locale), shown);
    }

    void currency()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(LocaleFormat::currency(typed, locale), shown);
    }

    void readsAsNumber_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("decimal"); // empty: does not read as a number

        QTest::newRow("integer") << u"en_US"_s << u"42"_s << u"42"_s;
        QTest::newRow("plus sign") << u"en_US"_s << u"+42"_s << u"42"_s;
        QTest::newRow("minus before symbol") << u"en_US"_s << u"-$3.10"_s << u"-3.10"_s;
        QTest::newRow("minus after symbol") << u"en_US"_s << u"$-3.10"_s << u"-3.10"_s;
        QTest::newRow("ISO code") << u"en_US"_s << u"USD 7"_s << u"7"_s;
        QTest::newRow("symbol after") << u"de_DE"_s << u"7,5 €"_s << u"7.5"_s;
        QTest::newRow("surrounding white space") << u"en_US"_s << u"\t 12 \n"_s << u"12"_s;
        QTest::newRow("trailing decimal point") << u"en_US"_s << u"12."_s << u"12"_s;
        QTest::newRow("leading zeros kept for ICU") << u"en_US"_s << u"007"_s << u"007"_s;
        QTest::newRow("other locale's decimal") << u"en_US"_s << u"1,5"_s << u""_s;
        QTest::newRow("own digits") << u"ar_EG"_s << u"١٢٫٥"_s << u"12.5"_s;
        QTest::newRow("just a sign") << u"en_US"_s << u"-"_s << u""_s;
        QTest::newRow("just a point") << u"en_US"_s << u"."_s << u""_s;
        QTest::newRow("two signs") << u"en_US"_s << u"--1"_s << u""_s;
        QTest::newRow("group at the start") << u"en_US"_s << u",123"_s << u""_s;
        QTest::newRow("group at the end") << u"en_US"_s << u"123,"_s << u""_s;
        QTest::newRow("group in the fraction") << u"en_US"_s << u"1.2,3"_s << u""_s;
        QTest::newRow("exponent") << u"en_US"_s << u"1e5"_s << u""_s;
        QTest::newRow("space inside") << u"en_US"_s << u"1 2"_s << u""_s;
        QTest::newRow("foreign symbol") << u"en_US"_s << u"€5"_s << u""_s;
        QTest::newRow("symbol on both sides") << u"en_US"_s << u"$5$"_s << u""_s;
        QTest::newRow("nothing") << u"en_US"_s << u"   "_s << u""_s;
    }

    void readsAsNumber()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, decimal);
        QCOMPARE(LocaleFormat::decimalFromTyped(typed, locale).value_or(QString()), decimal);
    }

    void moneyLocaleFollowsPosixOrder_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMonetary");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("shown");

        QTest::newRow("LC_ALL wins") << QByteArray("de_DE.UTF-8") << QByteArray("ja_JP.UTF-8") << QByteArray("en_US.UTF-8")
                                     << u"1,00\u00A0€"_s;
        QTest::newRow("then LC_MONETARY") << QByteArray() << QByteArray("ja_JP.UTF-8") << QByteArray("de_DE.UTF-8") << u"￥1"_s;
        QTest::newRow("then LANG") << QByteArray() << QByteArray() << QByteArray("en_IN.UTF-8") << u"₹1.00"_s;
        QTest::newRow("none") << QByteArray() << QByteArray() << QByteArray() << u"$1.00"_s;
    }

    void moneyLocaleFollowsPosixOrder()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMonetary);
        QFETCH(QByteArray, lang);
        QFETCH(QString, shown);
        const QByteArray saved = qgetenv("LC_ALL");
        qputenv("LC_ALL", lcAll);
        qputenv("LC_MONETARY", lcMonetary);
        qputenv("LANG", lang);
        const QString result = LocaleFormat::currency(QStringLiteral("1"));
        qputenv("LC_ALL", saved);
        QCOMPARE(result, shown);
    }

    void dateAndTime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        const QDateTime example(QDate(2002, 2, 25), QTime(1, 57, 42));
        QTest::newRow("en_US") << u"en_US"_s << example << u"2/25/2002"_s << u"1:57 AM"_s;
        QTest::newRow("en_US, year 1999 is not 99") << u"en_US"_s << QDateTime(QDate(1999, 1, 1), QTime(13, 5))
                                                    << u"1/1/1999"_s << u"1:05 PM"_s;
        QTest::newRow("de_DE") << u"de_DE"_s << example << u"25.02.2002"_s << u"01:57"_s;
        QTest::newRow("fr_FR") << u"fr_FR"_s << example << u"25/02/2002"_s << u"01:57"_s;
        QTest::newRow("C counts as US English") << u"C"_s << example << u"2/25/2002"_s << u"1:57 AM"_s;
        QTest::newRow("language only") << u"de"_s << example << u"25.02.2002"_s << u"01:57"_s;
        QTest::newRow("zh_TW, the part of the day in words") << u"zh_TW"_s << QDateTime(QDate(2002, 2, 25), QTime(15, 54))
                                                            << u"2002/2/25"_s << u"下午3:54"_s;
    }

    void dateAndTime()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, when);
        QFETCH(QString, date);
        QFETCH(QString, time);
        const QLocale resolved = LocaleFormat::resolvedLocale(locale);
        QCOMPARE(LocaleFormat::shortDate(when.date(), resolved), date);
        QCOMPARE(LocaleFormat::shortTime(when.time(), resolved).replace(u'\u202F', u' '), time);
    }
};

QTEST_GUILESS_MAIN(TestLocaleFormat)
#include "tst_localeformat.moc"
