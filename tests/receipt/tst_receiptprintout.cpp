// SPDX-License-Identifier: MIT
#include "core/languages.h"
#include "receipt/receiptprintout.h"
#include "recordingprinter.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Receipt)

static QString sp(int n)
{
    return u'[' + QString(n, u' ') + u']';
}

class TestReceiptPrintout : public QObject
{
    Q_OBJECT

private slots:
    void printedLines_data()
    {
        QTest::addColumn<Receipt>("receipt");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("captions"); // heading; payee, payment type, amount, payer
        QTest::addColumn<Qt::LayoutDirection>("direction"); // the language's, which the page follows
        const QStringList englishCaptions{u"Receipt Form"_s, u"Paid to the order of:"_s, u"Paid by:"_s,
                                          u"In the Amount of:"_s, u"From:"_s};
        const auto english = [&englishCaptions](const char *name, const Receipt &receipt) {
            QTest::newRow(name) << receipt << QString() << englishCaptions << Qt::LeftToRight;
        };
        english("all empty", Receipt{});
        english("no payment type", Receipt{{u"Acme"_s, u"1 Main"_s, u"City"_s, u"ST"_s, u"12345"_s}, QString(), u"$12.50"_s,
                                           {u"Ada"_s, u"L"_s, u"S1"_s, u"S2"_s, u"C"_s, u"S"_s, u"Z"_s}});
        english("empty second street line",
                Receipt{{}, u"Cash"_s, u"abc"_s, {u"Ada"_s, u"L"_s, u"S1"_s, QString(), u"C"_s, u"S"_s, u"Z"_s}});
        english("long texts", Receipt{{QString(5000, u'n')}, u"Money Order"_s, QString(300, u'9'), {QString(2000, u'f')}});
        english("non-ASCII and blanks", Receipt{{u"  Zoë Ærø  "_s, u"שלום"_s, u"東京"_s, u"🧾"_s, u""_s}, u"Credit Card"_s,
                                                u"1.234,50\u00A0€"_s, {u"José"_s, u"Núñez"_s}});
        // In German every value starts in the column where it starts in English.
        QTest::newRow("German") << Receipt{{u"Acme"_s, u"1 Main"_s, u"Köln"_s, u"NRW"_s, u"50667"_s}, u"Bar"_s, u"12,50 €"_s,
                                           {u"Ada"_s, u"L"_s, u"S1"_s, u"S2"_s, u"C"_s, u"S"_s, u"Z"_s}}
                                << u"de"_s
                                << QStringList{u"Quittung"_s, u"Zahlungsempfänger:"_s, u"Zahlungsart:"_s, u"Betrag:"_s,
                                               u"Erhalten von:"_s}
                                << Qt::LeftToRight;
        // In Arabic the page runs from the right; the items stay in order.
        QTest::newRow("Arabic") << Receipt{{u"شركة أكمي"_s, u"1 Main"_s, u"القاهرة"_s, u"EG"_s, u"11511"_s}, u"نقدًا"_s,
                                           u"١٢٫٥٠ ج.م."_s, {u"Ada"_s, u"L"_s, u"S1"_s, u"S2"_s, u"C"_s, u"S"_s, u"Z"_s}}
                                << u"ar"_s
                                << QStringList{u"إيصال"_s, u"المستفيد:"_s, u"طريقة الدفع:"_s, u"مبلغ وقدره:"_s, u"استلمنا من:"_s}
                                << Qt::RightToLeft;
    }

    // Fifteen lines, whatever the content and language: captions, runs of spaces up to each
    // value's column (41 for the payee, 28 for the payment type, 30 for the amount, 27 for
    // the payer), the values.
    void printedLines()
    {
        QFETCH(Receipt, receipt);
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QFETCH(Qt::LayoutDirection, direction);
        Languages::use(language);
        const auto english = qScopeGuard([] { Languages::use(QString()); });
        const IssuerDetails &i = receipt.issuer;
        const PayeeDetails &p = receipt.payee;
        auto item = [](const QString &text) -> QString { return u'[' + text + u']'; };
        const auto caption = [&captions, &item](int which, int column) -> QString {
            return item(captions.at(which)) + sp(column - captions.at(which).size());
        };
        const QStringList expected{
            direction == Qt::RightToLeft ? u"direction rtl"_s : u"direction ltr"_s,
            u"font 20"_s,
            u"line "_s + item(captions.at(0)),
            u"font 14"_s,
            u"empty"_s,
            u"line [12/7/2026]"_s,
            u"empty"_s,
            u"line "_s + caption(1, 41) + item(i.name),
            u"line "_s + sp(37) + item(i.street),
            u"line "_s + sp(37) + item(i.city) + sp(1) + item(i.state) + sp(1) + item(i.zip),
            u"empty"_s,
            u"line "_s + caption(2, 28) + item(receipt.paymentType),
            u"line "_s + caption(3, 30) + item(receipt.amount),
            u"empty"_s,
            u"line "_s + caption(4, 27) + item(p.firstName) + sp(1) + item(p.lastName),
            u"line "_s + sp(27) + item(p.street1),
            u"line "_s + sp(27) + item(p.street2),
            u"line "_s + sp(27) + item(p.city) + sp(1) + item(p.state) + sp(1) + item(p.zip),
            u"end"_s,
        };
        RecordingPrinter printer;
        printReceipt(receipt, u"12/7/2026"_s, printer);
        QCOMPARE(printer.operations, expected);
        QCOMPARE(printer.operations.count(u"empty"_s) + printer.operations.filter(u"line "_s).size(), 15);
    }
};

QTEST_MAIN(TestReceiptPrintout)
#include "tst_receiptprintout.moc"
