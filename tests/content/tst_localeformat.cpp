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
    void currency_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("en_US plain") << u"en_US.UTF-8"_s << u"12.5"_s << u"$12.50"_s;
        QTest::newRow("en_US grouping added") << u"en_US.UTF-8"_s << u"1234567.891"_s << u"$1,234,567.89"_s;
        QTest::newRow("en_US half away from zero") << u"en_US.UTF-8"_s << u"2.675"_s << u"$2.68"_s;
        QTest::newRow("en_US smallest half") << u"en_US.UTF-8"_s << u"0.005"_s << u"$0.01"_s;
        QTest::newRow("en_US negative half") << u"en_US.UTF-8"_s << u"-2.675"_s << u"-$2.68"_s;
        QTest::newRow("en_US every digit kept") << u"en_US.UTF-8"_s << u"12345678901234567890.125"_s
                                                << u"$12,345,678,901,234,567,890.13"_s;
        QTest::newRow("en_US typed with symbol and groups") << u"en_US.UTF-8"_s << u" $1,234.5 "_s << u"$1,234.50"_s;
        QTest::newRow("en_US zero") << u"en_US.UTF-8"_s << u"0"_s << u"$0.00"_s;
        QTest::newRow("en_US leading point") << u"en_US.UTF-8"_s << u".5"_s << u"$0.50"_s;
        QTest::newRow("en_US empty stays empty") << u"en_US.UTF-8"_s << u""_s << u""_s;
        QTest::newRow("en_US words unchanged") << u"en_US.UTF-8"_s << u"abc"_s << u"abc"_s;
        QTest::newRow("en_US two points unchanged") << u"en_US.UTF-8"_s << u"12.5.3"_s << u"12.5.3"_s;
        QTest::newRow("en_US trailing letters unchanged") << u"en_US.UTF-8"_s << u"12abc"_s << u"12abc"_s;
        QTest::newRow("en_US blanks kept when not a number") << u"en_US.UTF-8"_s << u" abc "_s << u" abc "_s;
        QTest::newRow("de_DE") << u"de_DE.UTF-8"_s << u"1234,5"_s << u"1.234,50\u00A0€"_s;
        QTest::newRow("de_DE groups typed") << u"de_DE.UTF-8"_s << u"1.234.567,891"_s << u"1.234.567,89\u00A0€"_s;
        QTest::newRow("de_DE negative") << u"de_DE"_s << u"-0,5"_s << u"-0,50\u00A0€"_s;
        QTest::newRow("fr_FR") << u"fr_FR.UTF-8"_s << u"1234,5"_s << u"1\u202F234,50\u00A0€"_s;
        QTest::newRow("fr_FR plain space group") << u"fr_FR.UTF-8"_s << u"1 234,5 €"_s << u"1\u202F234,50\u00A0€"_s;
        QTest::newRow("ja_JP no decimals") << u"ja_JP.UTF-8"_s << u"1234.5"_s << u"￥1,235"_s;
        QTest::newRow("de_CH") << u"de_CH.UTF-8"_s << u"1234.5"_s << u"CHF\u00A01’234.50"_s;
        QTest::newRow("de_CH apostrophe typed") << u"de_CH.UTF-8"_s << u"1'234.5"_s << u"CHF\u00A01’234.50"_s;
        QTest::newRow("en_IN lakh grouping") << u"en_IN.UTF-8"_s << u"1234567.5"_s << u"₹12,34,567.50"_s;
        QTest::newRow("C locale counts as US") << u"C.UTF-8"_s << u"12.5"_s << u"$12.50"_s;
        QTest::newRow("modifier ignored") << u"de_DE@euro"_s << u"1"_s << u"1,00\u00A0€"_s;
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
        QTest::newRow("other locale's decimal is grouping") << u"en_US"_s << u"1,5"_s << u"15"_s;
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
        QTest::newRow("C has no seconds on the clock") << u"C"_s << example << u"25 Feb 2002"_s << u"01:57"_s;
    }

    void dateAndTime()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, when);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QCOMPARE(LocaleFormat::shortDate(when.date(), QLocale(locale)), date);
        QCOMPARE(LocaleFormat::shortTime(when.time(), QLocale(locale)).replace(u'\u202F', u' '), time);
    }
};

QTEST_GUILESS_MAIN(TestLocaleFormat)
#include "tst_localeformat.moc"
