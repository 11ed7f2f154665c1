// SPDX-License-Identifier: MIT
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "receipt/firstlinelabel.h"
#include "receipt/qvrp.h"
#include "receipt/receiptprintout.h"
#include "recordingprinter.h"
#include "store/issuerkeys.h"
#include "setup/qvo1.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using State = WindowLifecycle::State;

namespace {

// A value typed into a text box, and the preview label that must show it. Written out here,
// apart from the program's own field tables, so that a wrong entry there shows.
struct TypedField
{
    const char *box;
    const char *label;
    QString text;
};

} // namespace

class TestQVRP : public TestSupport::WindowTestCase
{
    Q_OBJECT

private:
    static QV1 *mainWindow()
    {
        auto &main = SharedInstance<QV1>::get();
        main.show();
        return main.window();
    }
    static void type(const char *name, const QString &text)
    {
        mainWindow()->findChild<QLineEdit *>(QLatin1StringView(name))->setText(text);
    }
    static void choose(const char *option)
    {
        mainWindow()->findChild<QRadioButton *>(QLatin1StringView(option))->click();
    }
    static void generate()
    {
        QTest::mouseClick(mainWindow()->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    }
    static SharedInstance<QVRP> &preview() { return SharedInstance<QVRP>::get(); }
    static QString label(const char *name)
    {
        return preview().window()->findChild<QLabel *>(QLatin1StringView(name))->text();
    }

private slots:
    void firstGenerateCopiesTheReceipt_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("paymentType");
        QTest::newRow("no payment type") << QString() << QString();
        QTest::newRow("Personal Check") << u"Option1"_s << u"Personal Check"_s;
        QTest::newRow("Money Order") << u"Option2"_s << u"Money Order"_s;
        QTest::newRow("Credit Card") << u"Option3"_s << u"Credit Card"_s;
        QTest::newRow("Cash") << u"Option4"_s << u"Cash"_s;
    }

    void firstGenerateCopiesTheReceipt()
    {
        QFETCH(QString, option);
        QFETCH(QString, paymentType);
        TestSupport::storeIssuer({u"Acme"_s});
        const TypedField fields[] = {
            {"Text2", "Label9", u" Ada "_s}, {"Text3", "Label10", u"Lovelace"_s}, {"Text4", "Label11", u"1 Main St"_s},
            {"Text5", "Label12", u"Apt 2"_s}, {"Text6", "Label13", u"Springfield"_s}, {"Text8", "Label14", u"ZZZ"_s},
            {"Text9", "Label6", u"abcde"_s},
        };
        for (const auto &field : fields)
            type(field.box, field.text);
        type("Text7", u"1234.5"_s);
        if (!option.isEmpty())
            choose(qPrintable(option));

        generate();

        QCOMPARE(preview().state(), State::Shown);
        for (const auto &field : fields)
            QCOMPARE(label(field.label), field.text);
        QCOMPARE(label("Label17"), paymentType);
        QCOMPARE(label("Label18"), u"$1,234.50"_s);
        QCOMPARE(label("Label1"), u"Acme"_s);
        // The dialog was read without being shown.
        QCOMPARE(SharedInstance<QVO1>::get().state(), State::LoadedHidden);
        QVERIFY(QTest::qWaitForWindowActive(preview().window()));
        QCOMPARE(QApplication::focusWidget(), preview().window()->findChild<QWidget *>(u"Command1"_s));
    }

    // Each field typed with its own value must reach its own label and its own place on the
    // page: a swap of two fields anywhere on the road shows here.
    void everyFieldLandsInItsOwnPlace()
    {
        mainWindow()->findChild<QAction *>(u"mnuoptions"_s)->trigger();
        const TypedField issuer[] = {
            {"Text1", "Label1", u"i-name"_s}, {"Text2", "Label2", u"i-street"_s}, {"Text3", "Label3", u"i-city"_s},
            {"Text4", "Label4", u"i-st"_s}, {"Text5", "Label5", u"i-zip"_s},
        };
        for (const auto &field : issuer)
            SharedInstance<QVO1>::get().window()->findChild<QLineEdit *>(QLatin1StringView(field.box))->setText(field.text);
        const TypedField payee[] = {
            {"Text2", "Label9", u"p-first"_s}, {"Text3", "Label10", u"p-last"_s}, {"Text4", "Label11", u"p-street1"_s},
            {"Text5", "Label12", u"p-street2"_s}, {"Text6", "Label13", u"p-city"_s}, {"Text8", "Label14", u"p-st"_s},
            {"Text9", "Label6", u"p-zip"_s},
        };
        for (const auto &field : payee)
            type(field.box, field.text);
        type("Text7", u"7"_s);
        choose("Option2");
        generate();

        for (const auto &field : issuer)
            QCOMPARE(label(field.label), field.text);
        for (const auto &field : payee)
            QCOMPARE(label(field.label), field.text);
        RecordingPrinter page;
        printReceipt(preview().window()->receipt(), u"date"_s, page);
        const QStringList text = page.operations.filter(u"line "_s);
        auto line = [](const QStringList &items) -> QString { return u"line ["_s + items.join(u"]["_s) + u']'; };
        const QString s1 = u" "_s, s27(27, u' '), s37(37, u' ');
        QCOMPARE(text, (QStringList{
            line({u"Receipt Form"_s}), line({u"date"_s}),
            line({u"Paid to the order of:"_s, QString(20, u' '), u"i-name"_s}), line({s37, u"i-street"_s}),
            line({s37, u"i-city"_s, s1, u"i-st"_s, s1, u"i-zip"_s}),
            line({u"Paid by:"_s, QString(20, u' '), u"Money Order"_s}),
            line({u"In the Amount of:"_s, QString(13, u' '), u"$7.00"_s}),
            line({u"From:"_s, QString(22, u' '), u"p-first"_s, s1, u"p-last"_s}), line({s27, u"p-street1"_s}),
            line({s27, u"p-street2"_s}), line({s27, u"p-city"_s, s1, u"p-st"_s, s1, u"p-zip"_s})}));
    }

    // "1.234.567,00 €" must not show as "1." because a label broke it at a grouping dot.
    void amountShowsItsStartNotAShorterNumber()
    {
        const TestSupport::ScopedVariable locale("LC_ALL", "de_DE.UTF-8");
        type("Text7", u"1234567890123456789012345"_s);
        generate();
        auto *amount = preview().window()->findChild<FirstLineLabel *>(u"Label18"_s);
        QCOMPARE(amount->text(), u"1.234.567.890.123.456.789.012.345,00\u00A0€"_s);
        QCOMPARE(amount->shownText(), amount->text());
    }

    void allFieldsEmpty()
    {
        generate();
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label9", "Label10",
                                 "Label11", "Label12", "Label13", "Label14", "Label17", "Label18"})
            QVERIFY2(label(name).isEmpty(), name);
        QCOMPARE(label("Label15"), u"Payment Type"_s);
        QCOMPARE(label("Label16"), u"Amount:"_s);
    }

    void secondGenerateChangesOnlyThePaymentType()
    {
        type("Text2", u"Ada"_s);
        type("Text7", u"abc"_s);
        choose("Option4");
        generate();
        QPointer<QVRP> first = preview().window();

        type("Text2", u"Grace"_s);
        type("Text7", u"5"_s);
        choose("Option3");
        generate();
        QCOMPARE(preview().window(), first.data());
        QCOMPARE(label("Label9"), u"Ada"_s);
        QCOMPARE(label("Label18"), u"abc"_s);
        QCOMPARE(label("Label17"), u"Credit Card"_s);
        QCOMPARE(mainWindow()->findChild<QLineEdit *>(u"Text2"_s)->text(), u"Grace"_s);
    }

    void cancelThenGenerateCopiesAfresh()
    {
        type("Text2", u"Ada"_s);
        choose("Option4");
        generate();
        QVERIFY(QTest::qWaitForWindowActive(preview().window()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(preview().state(), State::NotLoaded);
        type("Text2", u"Grace"_s);
        generate();
        QCOMPARE(label("Label9"), u"Grace"_s);
        QCOMPARE(label("Label17"), u"Cash"_s);
        preview().window()->findChild<QPushButton *>(u"Command2"_s)->click();
        QCOMPARE(preview().state(), State::NotLoaded);
    }

    void unsavedEditsInAnOpenUserSetupAreTaken()
    {
        TestSupport::storeIssuer({u"Stored Name"_s});
        mainWindow()->findChild<QAction *>(u"mnuoptions"_s)->trigger();
        SharedInstance<QVO1>::get().window()->findChild<QLineEdit *>(u"Text1"_s)->setText(u"Edited Name"_s);
        generate();
        QCOMPARE(label("Label1"), u"Edited Name"_s);
        QCOMPARE(SharedInstance<QVO1>::get().state(), State::Shown);
        QCOMPARE(SettingsStore::getSetting(SettingsStore::applicationName(), IssuerKeys::section, IssuerKeys::keys.at(0).read),
                 u"Stored Name"_s);
    }

    void closingTheMainWindowLeavesThePreview()
    {
        generate();
        mainWindow()->findChild<QAction *>(u"mnuexit"_s)->trigger();
        QCOMPARE(SharedInstance<QV1>::get().state(), State::NotLoaded);
        QCOMPARE(preview().state(), State::Shown);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        const struct { const char *name; int l, t, w, h; } rows[] = {
            {"Command1", 4080, 3240, 1335, 375}, {"Command2", 5520, 3240, 1335, 375},
            {"Frame1", 120, 120, 6735, 1455},    {"Label1", 120, 360, 2415, 255},
            {"Label2", 120, 720, 1455, 255},     {"Label3", 120, 960, 1215, 255},
            {"Label4", 1320, 960, 855, 255},     {"Label5", 2280, 960, 735, 255},
            {"Frame2", 120, 1680, 3615, 1455},   {"Label9", 120, 240, 1455, 255},
            {"Label10", 720, 240, 1575, 255},    {"Label11", 120, 600, 1575, 255},
            {"Label12", 120, 840, 1095, 255},    {"Label13", 120, 1080, 735, 255},
            {"Label14", 840, 1080, 735, 255},    {"Label6", 1560, 1080, 975, 255},
            {"Frame3", 3840, 1680, 3015, 1455},  {"Label15", 120, 600, 1095, 255},
            {"Label16", 600, 840, 735, 255},     {"Label17", 1440, 600, 1455, 255},
            {"Label18", 1440, 840, 1455, 255},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << TestSupport::twips(row.l, row.t, row.w, row.h);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(preview().window()->findChild<QWidget *>(name)->geometry(), expected);
    }

    void window()
    {
        QVRP *window = preview().window();
        QCOMPARE(window->windowTitle(), u"Receipt Preview"_s);
        QCOMPARE(window->size(), QSize(465, 248));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY((window->windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
        QCOMPARE(window->findChild<QGroupBox *>(u"Frame1"_s)->title(), u"Paid to the order of"_s);
        QCOMPARE(window->findChild<QGroupBox *>(u"Frame2"_s)->title(), u"From"_s);
        QCOMPARE(window->findChild<QGroupBox *>(u"Frame3"_s)->title(), u"Payment Info"_s);
        QCOMPARE(window->findChild<QPushButton *>(u"Command1"_s)->nextInFocusChain()->objectName(), u"Command2"_s);
    }

    // Label10 lies over Label9 from 720 twips on; Label14 over the end of Label13.
    void stackingOfOverlappingLabels_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("first name strip") << u"Frame2"_s << QPoint(30, 20) << u"Label9"_s;
        QTest::newRow("last name over first name") << u"Frame2"_s << QPoint(60, 20) << u"Label10"_s;
        QTest::newRow("state over city") << u"Frame2"_s << QPoint(56, 76) << u"Label14"_s;
        QTest::newRow("zip over state") << u"Frame2"_s << QPoint(104, 76) << u"Label6"_s;
        QTest::newRow("issuer state over city") << u"Frame1"_s << QPoint(88, 68) << u"Label4"_s;
    }

    void stackingOfOverlappingLabels()
    {
        QFETCH(QString, frame);
        QFETCH(QPoint, point);
        QFETCH(QString, onTop);
        QCOMPARE(preview().window()->findChild<QGroupBox *>(frame)->childAt(point)->objectName(), onTop);
    }

    void labelsShowOnlyTheirFirstLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << u"12 Main St"_s << u"12 Main St"_s;
        QTest::newRow("last words lost") << u"12 St James's Square, Westminster, London"_s << u"12 St James's "_s;
        QTest::newRow("leading blanks kept") << u"   x"_s << u"   x"_s;
    }

    void labelsShowOnlyTheirFirstLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        auto *street = preview().window()->findChild<FirstLineLabel *>(u"Label11"_s);
        street->setText(text);
        QVERIFY(text.startsWith(street->shownText()));
        QVERIFY(QFontMetrics(street->font()).horizontalAdvance(street->shownText().trimmed()) <= street->width());
        if (text.size() < 12)
            QCOMPARE(street->shownText(), shown);
        else
            QVERIFY(street->shownText().size() < text.size());
        QCOMPARE(street->text(), text);
    }
};

QTEST_MAIN(TestQVRP)
#include "tst_qvrp.moc"
