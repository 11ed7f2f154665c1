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

        QTest::newRow("all empty") << Receipt{};
        QTest::newRow("no payment type") << Receipt{{u"Acme"_s, u"1 Main"_s, u"City"_s, u"ST"_s, u"12345"_s}, QString(),
                                                    u"$12.50"_s, {u"Ada"_s, u"L"_s, u"S1"_s, u"S2"_s, u"C"_s, u"S"_s, u"Z"_s}};
        QTest::newRow("empty second street line") << Receipt{{}, u"Cash"_s, u"abc"_s,
                                                             {u"Ada"_s, u"L"_s, u"S1"_s, QString(), u"C"_s, u"S"_s, u"Z"_s}};
        QTest::newRow("long texts") << Receipt{{QString(5000, u'n')}, u"Money Order"_s, QString(300, u'9'),
                                               {QString(2000, u'f')}};
        QTest::newRow("non-ASCII and blanks") << Receipt{{u"  Zoë Ærø  "_s, u"שלום"_s, u"東京"_s, u"🧾"_s, u""_s},
                                                         u"Credit Card"_s, u"1.234,50\u00A0€"_s,
                                                         {u"José"_s, u"Núñez"_s}};
    }

    // Fifteen lines, whatever the content: captions, fixed runs of spaces, the values.
    void printedLines()
    {
        QFETCH(Receipt, receipt);
        const IssuerDetails &i = receipt.issuer;
        const PayeeDetails &p = receipt.payee;
        auto item = [](const QString &text) -> QString { return u'[' + text + u']'; };
        const QStringList expected{
            u"font 20"_s,
            u"line [Receipt Form]"_s,
            u"font 14"_s,
            u"empty"_s,
            u"line [12/7/2026]"_s,
            u"empty"_s,
            u"line [Paid to the order of:]"_s + sp(20) + item(i.name),
            u"line "_s + sp(37) + item(i.street),
            u"line "_s + sp(37) + item(i.city) + sp(1) + item(i.state) + sp(1) + item(i.zip),
            u"empty"_s,
            u"line [Paid by:]"_s + sp(20) + item(receipt.paymentType),
            u"line [In the Amount of:]"_s + sp(13) + item(receipt.amount),
            u"empty"_s,
            u"line [From:]"_s + sp(22) + item(p.firstName) + sp(1) + item(p.lastName),
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

    // In German the fixed texts are German, and every value starts in the column where it
    // starts in English: 41 for the payee, 28 for the payment type, 30 for the amount, 27 for
    // the payer.
    void germanPageKeepsTheColumns()
    {
        Languages::use(u"de"_s);
        const auto english = qScopeGuard([] { Languages::use(QString()); });
        RecordingPrinter printer;
        printReceipt(Receipt{{u"Acme"_s, u"1 Main"_s, u"Köln"_s, u"NRW"_s, u"50667"_s}, u"Bar"_s, u"12,50 €"_s,
                             {u"Ada"_s, u"L"_s, u"S1"_s, u"S2"_s, u"C"_s, u"S"_s, u"Z"_s}},
                     u"08.12.2026"_s, printer);
        QCOMPARE(printer.operations,
                 (QStringList{u"font 20"_s, u"line [Quittung]"_s, u"font 14"_s, u"empty"_s, u"line [08.12.2026]"_s,
                              u"empty"_s, u"line [Zahlungsempfänger:]"_s + sp(41 - 18) + u"[Acme]"_s,
                              u"line "_s + sp(37) + u"[1 Main]"_s,
                              u"line "_s + sp(37) + u"[Köln]"_s + sp(1) + u"[NRW]"_s + sp(1) + u"[50667]"_s, u"empty"_s,
                              u"line [Zahlungsart:]"_s + sp(28 - 12) + u"[Bar]"_s,
                              u"line [Betrag:]"_s + sp(30 - 7) + u"[12,50 €]"_s, u"empty"_s,
                              u"line [Erhalten von:]"_s + sp(27 - 13) + u"[Ada]"_s + sp(1) + u"[L]"_s,
                              u"line "_s + sp(27) + u"[S1]"_s, u"line "_s + sp(27) + u"[S2]"_s,
                              u"line "_s + sp(27) + u"[C]"_s + sp(1) + u"[S]"_s + sp(1) + u"[Z]"_s, u"end"_s}));
    }
};

QTEST_GUILESS_MAIN(TestReceiptPrintout)
#include "tst_receiptprintout.moc"
