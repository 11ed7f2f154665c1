// SPDX-License-Identifier: MIT
#include "about/qvabout1.h"
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"
#include "testsupport.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

using namespace Qt::StringLiterals;

// Stands in for the web browser: keeps the addresses it is asked to open.
class RecordingBrowser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

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
            {"QVRP", "Label1", "Paid to the order of, name"}, {"QVRP", "Label5", "Paid to the order of, zip"},
            {"QVRP", "Label9", "From, first name"}, {"QVRP", "Label6", "From, zip"},
            {"QVRP", "Label17", "Payment Type"}, {"QVRP", "Label18", "Amount"}, {"QVRP", "Command1", "Print"},
            {"QVRP", "Label15", "Payment Type"},
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
        // Each box a person types in says what goes in it, too.
        QVERIFY(!qobject_cast<QLineEdit *>(widget) || !accessible->text(QAccessible::Description).isEmpty());
    }

    // What a screen reader hears of the receipt about to be printed.
    void previewSpeaksTheReceipt()
    {
        TestSupport::storeIssuer({u"Acme"_s});
        QV1 *main = SharedInstance<QV1>::get().window();
        main->findChild<QLineEdit *>(u"Text2"_s)->setText(u"Ada"_s);
        main->findChild<QLineEdit *>(u"Text7"_s)->setText(u"12.5"_s);
        main->findChild<QRadioButton *>(u"Option4"_s)->setChecked(true);
        main->findChild<QPushButton *>(u"Command1"_s)->click();
        QWidget *preview = SharedInstance<QVRP>::get().window();
        const std::pair<const char *, QString> heard[] = {
            {"Label18", u"Amount: $12.50"_s}, {"Label17", u"Payment Type: Cash"_s},
            {"Label1", u"Paid to the order of, name: Acme"_s}, {"Label9", u"From, first name: Ada"_s},
            {"Label10", u"From, last name"_s}};
        for (const auto &[label, spoken] : heard) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(preview->findChild<QWidget *>(QLatin1StringView(label)));
            QCOMPARE(accessible->role(), QAccessible::StaticText);
            QCOMPARE(accessible->text(QAccessible::Name), spoken);
        }
    }

    // Only the control with the focus says so: the current tab only while the tabs have it.
    void onlyTheFocusedControlReportsFocus()
    {
        SharedInstance<QV1>::get().show();
        QV1 *main = SharedInstance<QV1>::get().window();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto *bar = main->findChild<QTabBar *>();
        QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(bar);
        QCOMPARE(tabs->text(QAccessible::Name), u"Payee Information"_s);
        QCOMPARE(tabs->childCount(), 2);
        QCOMPARE(tabs->child(1)->text(QAccessible::Name), u"Address"_s);
        QVERIFY(tabs->child(0)->state().selected && !tabs->child(0)->state().focused); // the focus is in Text7
        bar->setFocus();
        QVERIFY(tabs->child(0)->state().focused && !tabs->child(1)->state().focused);
    }

    // The secondary windows stay shown without an owner, and are announced as dialogs.
    void secondaryWindowsAreDialogs()
    {
        SharedInstance<QV1>::get().show();
        for (WindowLifecycle *window : {static_cast<WindowLifecycle *>(&SharedInstance<QVO1>::get()),
                                        static_cast<WindowLifecycle *>(&SharedInstance<QVRP>::get()),
                                        static_cast<WindowLifecycle *>(&SharedInstance<QVAbout1>::get())}) {
            window->show();
        }
        for (QWidget *window : {static_cast<QWidget *>(SharedInstance<QVO1>::get().window()),
                                static_cast<QWidget *>(SharedInstance<QVRP>::get().window()),
                                static_cast<QWidget *>(SharedInstance<QVAbout1>::get().window())}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Dialog);
            QVERIFY(!window->parentWidget());
        }
    }

    // The web address is a link: announced as one, and followed by its press action, by
    // Enter and by Space.
    void linkIsALink()
    {
        RecordingBrowser browser;
        QDesktopServices::setUrlHandler(u"https"_s, &browser, "open");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"https"_s); });
        SharedInstance<QVAbout1>::get().show();
        auto *link = SharedInstance<QVAbout1>::get().window()->findChild<QWidget *>(u"HLink1"_s);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(link);
        QCOMPARE(accessible->role(), QAccessible::Link);
        QCOMPARE(accessible->text(QAccessible::Name), u"https://quorvel.example/"_s);
        QVERIFY(accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(browser.opened, QList<QUrl>(3, QUrl(u"https://quorvel.example/"_s)));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
