// SPDX-License-Identifier: MIT
#include "about/hyperlink.h"
#include "about/qvabout1.h"
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "setup/qvo1.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using State = WindowLifecycle::State;

class TestQVAbout1 : public TestSupport::WindowTestCase
{
    Q_OBJECT

private:
    static SharedInstance<QVAbout1> &about() { return SharedInstance<QVAbout1>::get(); }
    static void chooseAbout()
    {
        SharedInstance<QV1>::get().show();
        SharedInstance<QV1>::get().window()->findChild<QAction *>(u"mnuabout"_s)->trigger();
    }

private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        const struct { const char *name; int l, t, w, h; } rows[] = {
            {"Label1", 120, 0, 4335, 375}, {"Label2", 0, 360, 4575, 255}, {"Frame1", 120, 600, 4335, 855},
            {"Label3", 480, 480, 615, 255}, {"Command1", 3600, 1560, 855, 375}, {"HLink1", 1560, 1080, 2535, 255},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << TestSupport::twips(row.l, row.t, row.w, row.h);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(about().window()->findChild<QWidget *>(name)->geometry(), expected);
    }

    void contents()
    {
        QVAbout1 *window = about().window();
        QCOMPARE(window->windowTitle(), u"About"_s);
        QCOMPARE(window->size(), QSize(312, 132));
        QVERIFY((window->windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
        auto *title = window->findChild<QLabel *>(u"Label1"_s);
        QCOMPARE(title->text(), u"Quorvel"_s);
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSize(), 12);
        QCOMPARE(title->font().capitalization(), QFont::AllUppercase);
        QCOMPARE(window->findChild<QLabel *>(u"Label2"_s)->text(), u"Version 1.0"_s);
        auto *link = window->findChild<HyperLink *>(u"HLink1"_s);
        QCOMPARE(link->text(), link->url().toString());
        QVERIFY(link->url().isValid() && link->url().scheme() == u"https");
        QVERIFY(link->font().underline());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }

    void aboutTwiceShowsOneDialog()
    {
        chooseAbout();
        QPointer<QVAbout1> first = about().window();
        chooseAbout();
        QCOMPARE(about().window(), first.data());
        int shown = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            shown += qobject_cast<QVAbout1 *>(widget) && widget->isVisible();
        QCOMPARE(shown, 1);
    }

    void escDoesNothingEnterCloses()
    {
        chooseAbout();
        QVERIFY(QTest::qWaitForWindowActive(about().window()));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Command1"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(about().state(), State::Shown);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(about().state(), State::NotLoaded);
    }

    void okLeavesTheOtherWindowsAsTheyWere()
    {
        SharedInstance<QV1>::get().show();
        SharedInstance<QV1>::get().window()->findChild<QLineEdit *>(u"Text2"_s)->setText(u"Ada"_s);
        SharedInstance<QVO1>::get().show();
        chooseAbout();
        QPointer<QVAbout1> first = about().window();
        QTest::mouseClick(about().window()->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(SharedInstance<QV1>::get().state(), State::Shown);
        QCOMPARE(SharedInstance<QVO1>::get().state(), State::Shown);
        QCOMPARE(SharedInstance<QV1>::get().window()->findChild<QLineEdit *>(u"Text2"_s)->text(), u"Ada"_s);
        chooseAbout();
        QVERIFY(about().window() != nullptr);
    }
};

QTEST_MAIN(TestQVAbout1)
#include "tst_qvabout1.moc"
