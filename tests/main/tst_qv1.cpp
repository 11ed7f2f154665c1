// SPDX-License-Identifier: MIT
#include "content/localeformat.h"
#include "main/clockstatusbar.h"
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "core/languages.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::twips;

class TestQV1 : public TestSupport::WindowTestCase
{
    Q_OBJECT

private:
    QV1 *shownWindow()
    {
        auto &main = SharedInstance<QV1>::get();
        main.show();
        return main.window();
    }
    template <typename T>
    T *control(const char *name)
    {
        return SharedInstance<QV1>::get().window()->findChild<T *>(QLatin1StringView(name));
    }

private slots:
    void window()
    {
        QV1 *window = shownWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel v1.0"));
        QCOMPARE(window->centralWidget()->size(), QSize(461, 326));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        // The icon is read once the window has been painted.
        QTRY_VERIFY(window->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");

        const struct { const char *name; QRect rect; } rows[] = {
            {"Frame1", twips(120, 120, 6615, 2295)},  {"SSTab1", twips(120, 360, 6375, 1845)},
            {"Label2", twips(240, 840, 735, 255)},    {"Label3", twips(240, 1200, 855, 255)},
            {"Text2", twips(1080, 840, 2655, 285)},   {"Text3", twips(1080, 1200, 2655, 285)},
            {"Label4", twips(240, 480, 615, 255)},    {"Text4", twips(840, 480, 2175, 285)},
            {"Text5", twips(840, 840, 2175, 285)},    {"Label5", twips(360, 1200, 375, 255)},
            {"Text6", twips(840, 1200, 1575, 285)},   {"Label6", twips(2520, 1200, 495, 255)},
            {"Text8", twips(3000, 1200, 375, 285)},   {"Label10", twips(3600, 1200, 375, 255)},
            {"Text9", twips(3960, 1200, 855, 285)},   {"Frame2", twips(120, 2520, 6615, 1335)},
            {"Option1", twips(240, 240, 1575, 255)},  {"Option2", twips(1800, 240, 1575, 255)},
            {"Option3", twips(3120, 240, 1455, 255)}, {"Option4", twips(4560, 240, 1695, 255)},
            {"Label7", twips(240, 600, 1335, 255)},   {"Label1", twips(1560, 600, 135, 255)},
            {"Text7", twips(1680, 600, 1335, 285)},   {"Command1", twips(5520, 3960, 1215, 375)},
            {"StatusBar1", twips(0, 4635, 6915, 255)},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.rect;
    }

    // Controls on a tab page are placed from the tab control's outer corner.
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QV1 *window = shownWindow();
        auto *tabs = control<QTabWidget>("SSTab1");
        QWidget *widget = window->findChild<QWidget *>(name);
        QVERIFY(widget);
        const bool onPage = tabs->isAncestorOf(widget) && widget != tabs;
        if (onPage) {
            tabs->setCurrentWidget(widget->parentWidget());
            QCOMPARE(QRect(widget->mapTo(tabs, QPoint(0, 0)), widget->size()), expected);
        } else {
            QCOMPARE(widget->geometry(), expected);
        }
    }

    void controlSettings()
    {
        shownWindow();
        for (QLineEdit *box : SharedInstance<QV1>::get().window()->findChildren<QLineEdit *>()) {
            QVERIFY(box->font().bold());
            QCOMPARE(box->font().pointSizeF(), 8.25);
            const Qt::Alignment expected = box->objectName() == u"Text8" ? Qt::AlignLeft : Qt::AlignHCenter;
            QVERIFY2(box->alignment() & expected, qPrintable(box->objectName()));
            QVERIFY(box->text().isEmpty());
        }
        QCOMPARE(control<QLineEdit>("Text2")->toolTip(), QStringLiteral("Enter payees first name"));
        QCOMPARE(control<QLineEdit>("Text3")->toolTip(), QStringLiteral("Enter payees last name"));
        QCOMPARE(control<QLineEdit>("Text4")->toolTip(), QStringLiteral("Enter payees street address"));
        QCOMPARE(control<QLineEdit>("Text5")->toolTip(), QStringLiteral("Enter payees street address"));
        QVERIFY(control<QLineEdit>("Text6")->toolTip().isEmpty());
        QCOMPARE(control<QLineEdit>("Text7")->palette().color(QPalette::Base), QColor(Qt::white));
        for (const char *name : {"Option1", "Option2", "Option3", "Option4"})
            QVERIFY(!control<QRadioButton>(name)->isChecked());
        auto *generate = control<QPushButton>("Command1");
        QVERIFY(!generate->isDefault());
        QCOMPARE(control<QTabWidget>("SSTab1")->currentIndex(), 0);
        QCOMPARE(control<QTabWidget>("SSTab1")->tabText(1), QStringLiteral("Address"));
        QCOMPARE(control<QTabWidget>("SSTab1")->tabBar()->tabRect(0).width(), 425 / 3);
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("$"));
    }

    // Later options lie above earlier ones, and text boxes above labels.
    void stacking()
    {
        QV1 *window = shownWindow();
        auto *frame = control<QGroupBox>("Frame2");
        const QPoint sharedStrip = control<QRadioButton>("Option3")->geometry().topLeft() + QPoint(2, 8);
        QCOMPARE(frame->childAt(sharedStrip)->objectName(), QStringLiteral("Option3"));
        const QPoint labelAndBox = control<QLineEdit>("Text7")->geometry().topLeft() + QPoint(1, 8);
        QCOMPARE(frame->childAt(labelAndBox), control<QLineEdit>("Text7"));
        Q_UNUSED(window);
    }

    void menus()
    {
        QV1 *window = shownWindow();
        QStringList captions;
        for (QAction *menuAction : window->menuBar()->actions()) {
            QMenu *menu = menuAction->menu();
            QCOMPARE(menu->actions().size(), 1);
            QAction *command = menu->actions().first();
            QVERIFY(command->shortcut().isEmpty());
            QVERIFY(command->isEnabled() && !command->isCheckable());
            captions << menu->objectName() + u'=' + menu->title() << command->objectName() + u'=' + command->text();
        }
        QCOMPARE(captions, (QStringList{QStringLiteral("mnufile=&File"), QStringLiteral("mnuexit=&Exit"),
                                        QStringLiteral("mnusetup=&Setup"), QStringLiteral("mnuoptions=&User Setup"),
                                        QStringLiteral("mnuhelp=&Help"), QStringLiteral("mnuabout=&About")}));
    }

    // The language is chosen as gettext chooses it; English for C, POSIX and languages
    // without a translation.
    void languageIsChosenAsGettextDoes_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("language");
        QTest::newRow("LANG") << QByteArrayList{"", "", "", "de_DE.UTF-8"} << u"de"_s;
        QTest::newRow("country of its own") << QByteArrayList{"", "", "", "pt_BR.UTF-8"} << u"pt_BR"_s;
        QTest::newRow("another country") << QByteArrayList{"", "", "", "de_AT.UTF-8"} << u"de"_s;
        QTest::newRow("LANGUAGE first") << QByteArrayList{"sv:fr:de", "", "", "de_DE.UTF-8"} << u"fr"_s;
        QTest::newRow("LANGUAGE alone decides") << QByteArrayList{"sv", "", "", "de_DE.UTF-8"} << QString();
        QTest::newRow("English in LANGUAGE") << QByteArrayList{"en", "", "", "de_DE.UTF-8"} << QString();
        QTest::newRow("English of a country first") << QByteArrayList{"en_US:en:de", "", "", "de_DE.UTF-8"} << QString();
        QTest::newRow("an entry whole, then alone") << QByteArrayList{"sv:de_AT:fr", "", "", "en_US.UTF-8"} << u"de"_s;
        QTest::newRow("LC_MESSAGES over LANG") << QByteArrayList{"", "", "ja_JP.UTF-8", "de_DE.UTF-8"} << u"ja"_s;
        QTest::newRow("LC_ALL over all") << QByteArrayList{"", "zh_CN.UTF-8", "ja_JP", "de_DE"} << u"zh_CN"_s;
        QTest::newRow("C ignores LANGUAGE") << QByteArrayList{"de", "", "", "C.UTF-8"} << QString();
        QTest::newRow("POSIX") << QByteArrayList{"", "POSIX", "", "de_DE"} << QString();
        QTest::newRow("no translation") << QByteArrayList{"", "", "", "sv_SE.UTF-8"} << QString();
    }

    void languageIsChosenAsGettextDoes()
    {
        QFETCH(QByteArrayList, environment);
        QFETCH(QString, language);
        const TestSupport::ScopedVariable variables[] = {{"LANGUAGE", environment.at(0)}, {"LC_ALL", environment.at(1)},
                                                         {"LC_MESSAGES", environment.at(2)}, {"LANG", environment.at(3)}};
        const auto english = qScopeGuard([] { Languages::use(QString()); });
        QCOMPARE(Languages::install(), language);
    }

    // Every language is finished, and its menus have access keys, none twice in the menu bar.
    void everyLanguageIsCompleteWithItsOwnAccessKeys_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages::translated())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyLanguageIsCompleteWithItsOwnAccessKeys()
    {
        QFETCH(QString, language);
        QFile source(QStringLiteral(QUORVEL_TRANSLATIONS "/quorvel_") + language + u".ts"_s);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY2(!source.readAll().contains("type=\"unfinished\""), "an entry is not translated");
        Languages::use(language);
        const auto english = qScopeGuard([] { Languages::use(QString()); });
        QV1 window;
        QList<QKeySequence> keys;
        for (QAction *menu : window.menuBar()->actions()) {
            keys << QKeySequence::mnemonic(menu->text());
            QVERIFY2(!keys.last().isEmpty() && keys.count(keys.last()) == 1, qPrintable(menu->text()));
            QVERIFY2(!QKeySequence::mnemonic(menu->menu()->actions().first()->text()).isEmpty(), qPrintable(menu->text()));
        }
    }

    void tabOrderFromTheAmount()
    {
        QV1 *window = shownWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("Text7"));
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            // The tab strip takes the focus as the tab control's tab bar.
            visited << (focused == control<QTabWidget>("SSTab1")->tabBar() ? u"SSTab1"_s : focused->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // The option group is one stop (arrow keys move inside it), and the fields of the
        // Address page, which is not showing, are passed over.
        QCOMPARE(visited, (QStringList{u"Text7"_s, u"Option1"_s, u"Command1"_s, u"SSTab1"_s, u"Text2"_s, u"Text3"_s}));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("Text7"));
    }

    // Tab and Backtab into the option group land on the selected option, as in any option
    // group; with none selected, on the first one met.
    void tabIntoTheOptionGroupLandsOnTheSelectedOption_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("landsOn");
        QTest::newRow("none selected") << QString() << false << u"Option1"_s;
        QTest::newRow("Credit Card selected") << u"Option3"_s << false << u"Option3"_s;
        QTest::newRow("Cash selected, from Generate back") << u"Option4"_s << true << u"Option4"_s;
        QTest::newRow("Personal Check, from Generate back") << u"Option1"_s << true << u"Option1"_s;
    }

    void tabIntoTheOptionGroupLandsOnTheSelectedOption()
    {
        QFETCH(QString, selected);
        QFETCH(bool, backwards);
        QFETCH(QString, landsOn);
        QV1 *window = shownWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (!selected.isEmpty())
            control<QRadioButton>(qPrintable(selected))->setChecked(true);
        QWidget *start = control<QWidget>(backwards ? "Command1" : "Text7");
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), landsOn);
    }

    // A click anywhere in an option's box selects it; where two overlap, the later one.
    void clickAnywhereInAnOptionSelectsIt_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("selected");
        QTest::newRow("right of Cash's caption") << u"Option4"_s << 100 << u"Option4"_s;
        QTest::newRow("right of Personal Check's caption") << u"Option1"_s << 100 << u"Option1"_s;
        QTest::newRow("Money Order's end, under Credit Card") << u"Option2"_s << 100 << u"Option3"_s;
    }

    void clickAnywhereInAnOptionSelectsIt()
    {
        QFETCH(QString, option);
        QFETCH(int, x);
        QFETCH(QString, selected);
        shownWindow();
        auto *box = control<QRadioButton>(qPrintable(option));
        QWidget *frame = box->parentWidget();
        const QPoint point = box->mapTo(frame, QPoint(x, box->height() / 2));
        QWidget *hit = frame->childAt(point);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(frame, point));
        QVERIFY(control<QRadioButton>(qPrintable(selected))->isChecked());
    }

    void windowIsCentredWithItsMenuBar()
    {
        QV1 *window = shownWindow();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(window->menuBar()->height() > 0);
        // The window's client area and menu bar, not its title bar, are centred.
        const QRect shown(window->pos(), window->size());
        QVERIFY2(qAbs(shown.center().y() - screen.center().y()) <= 1 && qAbs(shown.center().x() - screen.center().x()) <= 1,
                 qPrintable(u"%1,%2 in %3,%4"_s.arg(shown.center().x()).arg(shown.center().y()).arg(screen.center().x()).arg(screen.center().y())));
    }

    void switchingPagesKeepsTheText()
    {
        shownWindow();
        auto *tabs = control<QTabWidget>("SSTab1");
        QTest::keyClicks(control<QLineEdit>("Text2"), QStringLiteral("  Ada "));
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QVERIFY(!control<QLineEdit>("Text2")->isVisible() && !control<QLabel>("Label2")->isVisible());
        QVERIFY(control<QLineEdit>("Text9")->isVisible() && control<QLabel>("Label10")->isVisible());
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
        QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("  Ada "));
    }

    void longTextIsKeptWhole()
    {
        shownWindow();
        const QString text(100'000, u'x');
        for (const char *name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"}) {
            control<QLineEdit>(name)->setText(text);
            QCOMPARE(control<QLineEdit>(name)->text().size(), text.size());
        }
    }

    void statusBarShowsTodayAndNow()
    {
        shownWindow();
        auto *bar = control<ClockStatusBar>("StatusBar1");
        const QDateTime now = QDateTime::currentDateTime();
        QCOMPARE(bar->dateText(), LocaleFormat::shortDate(now.date()));
        QCOMPARE(bar->dateText(), now.date().toString(QStringLiteral("M/d/yyyy")));
        QVERIFY(bar->timeText().contains(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d\\s?(AM|PM)$"))));
        for (QLabel *panel : bar->findChildren<QLabel *>())
            QVERIFY(panel->width() >= ClockStatusBar::minimumPanelWidth);
    }

    void clockTurnsOverAtMidnight_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("msecsToNextMinute");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");

        QTest::newRow("just before midnight") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 500)) << 500
                                              << QStringLiteral("12/31/2026") << QStringLiteral("11:59 PM");
        QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 0)) << 60'000 << QStringLiteral("1/1/2027")
                                  << QStringLiteral("12:00 AM");
        QTest::newRow("afternoon") << QDateTime(QDate(2002, 2, 25), QTime(13, 57, 30)) << 30'000
                                   << QStringLiteral("2/25/2002") << QStringLiteral("1:57 PM");
    }

    void clockTurnsOverAtMidnight()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, msecsToNextMinute);
        QFETCH(QString, date);
        QFETCH(QString, time);
        ClockStatusBar bar;
        bar.showDateTime(now);
        QCOMPARE(ClockStatusBar::msecsToNextMinute(now), msecsToNextMinute);
        QCOMPARE(bar.dateText(), date);
        QCOMPARE(bar.timeText().replace(u'\u202F', u' '), time);
    }

    void exitClosesOnlyTheMainWindow()
    {
        QV1 *window = shownWindow();
        QSignalSpy ended(&OpenWindows::instance(), &OpenWindows::lastShownWindowClosed);
        window->findChild<QAction *>(QStringLiteral("mnuexit"))->trigger();
        QCOMPARE(SharedInstance<QV1>::get().state(), WindowLifecycle::State::NotLoaded);
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestQV1)
#include "tst_qv1.moc"
