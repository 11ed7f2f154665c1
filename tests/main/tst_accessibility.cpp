// SPDX-License-Identifier: MIT
#include "main/qv1.h"
#include "main/sharedinstance.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"
#include "testsupport.h"

#include <QAccessible>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAccessibility : public TestSupport::WindowTestCase
{
    Q_OBJECT

private:
    static QWidget *windowNamed(const QString &window)
    {
        if (window == u"QV1")
            return SharedInstance<QV1>::get().window();
        if (window == u"QVO1")
            return SharedInstance<QVO1>::get().window();
        SharedInstance<QV1>::get().window();
        return SharedInstance<QVRP>::get().window();
    }

private slots:
    void spokenNames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("spoken");
        const struct { const char *window, *control, *spoken; } rows[] = {
            {"QV1", "Text2", "First"}, {"QV1", "Text3", "Last"}, {"QV1", "Text4", "Street"},
            {"QV1", "Text5", "Street, second line"}, {"QV1", "Text6", "City"}, {"QV1", "Text8", "State"},
            {"QV1", "Text9", "Zip"}, {"QV1", "Text7", "Amount Collected"}, {"QV1", "Option4", "Cash"},
            {"QV1", "Command1", "Generate"},
            {"QVO1", "Text1", "Name"}, {"QVO1", "Text2", "Street Address"}, {"QVO1", "Text3", "City"},
            {"QVO1", "Text4", "State"}, {"QVO1", "Text5", "Zip"},
            {"QVRP", "Label1", "Paid to the order of: name"}, {"QVRP", "Label5", "Paid to the order of: zip"},
            {"QVRP", "Label9", "From: first name"}, {"QVRP", "Label6", "From: zip"},
            {"QVRP", "Label17", "Payment Type"}, {"QVRP", "Label18", "Amount"}, {"QVRP", "Command1", "Print"},
        };
        for (const auto &row : rows)
            QTest::newRow(qPrintable(QString::fromLatin1(row.window) + u'.' + QString::fromLatin1(row.control)))
                    << QString::fromLatin1(row.window) << QString::fromLatin1(row.control) << QString::fromUtf8(row.spoken);
    }

    void spokenNames()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, spoken);
        QWidget *widget = windowNamed(window)->findChild<QWidget *>(control);
        QVERIFY(widget);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name).remove(u'&'), spoken);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
