// SPDX-License-Identifier: MIT
// What a person sees of each window, under a light and a dark desktop palette (and, run
// again with QT_SCALE_FACTOR 1.25, 1.5 and 2, on scaled screens): every fixed caption fits its
// box, every border is drawn and no frame's border line runs through a control, every text
// reads (its ink 4.5:1 or better against what is painted beside it), and the outlines of
// text boxes and option buttons stand out (3:1) from both sides of them.
#include "about/qvabout1.h"
#include "core/captionfit.h"
#include "core/desktopcolours.h"
#include "core/formfaces.h"
#include "core/formstyle.h"
#include "core/framebox.h"
#include "core/languages.h"
#include "main/qv1.h"
#include "receipt/firstlinelabel.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A desktop colour scheme as qt6ct keeps it: 21 colours per group, in palette role order.
QPalette colourScheme(const QString &path)
{
    QSettings scheme(path, QSettings::IniFormat);
    QPalette palette;
    const std::pair<QPalette::ColorGroup, const char *> groups[] = {
        {QPalette::Active, "ColorScheme/active_colors"},
        {QPalette::Inactive, "ColorScheme/inactive_colors"},
        {QPalette::Disabled, "ColorScheme/disabled_colors"}};
    for (const auto &[group, key] : groups) {
        const QStringList colours = scheme.value(QLatin1StringView(key)).toStringList();
        for (qsizetype role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor(colours.at(role).trimmed()));
    }
    return palette;
}

std::unique_ptr<QWidget> filledWindow(const QString &name)
{
    std::unique_ptr<QWidget> window;
    if (name == u"main")
        window = std::make_unique<QV1>();
    else if (name == u"main, address page") {
        window = std::make_unique<QV1>();
        window->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(1);
    } else if (name == u"user setup")
        window = std::make_unique<QVO1>();
    else if (name == u"receipt preview")
        window = std::make_unique<QVRP>();
    else
        window = std::make_unique<QVAbout1>();
    return window;
}

// The area the form places its controls in: below the menu bar, above the status bar.
QWidget *clientArea(QWidget *window)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    return main ? main->centralWidget() : window;
}

QRect inClientArea(QWidget *control)
{
    return QRect(control->mapTo(clientArea(control->window()), QPoint(0, 0)), control->size());
}

QColor devicePixel(const QImage &image, QPoint device)
{
    return image.pixelColor(qBound(0, device.x(), image.width() - 1), qBound(0, device.y(), image.height() - 1));
}

QColor pixelAt(const QImage &image, QPointF inWindow)
{
    return devicePixel(image, (inWindow * image.devicePixelRatio()).toPoint());
}

// How far the device pixel on the way from one point to another (in a control) that stands
// out most from both ends stands out from the nearer: a line drawn between them, or nothing.
double standsOut(const QImage &image, QWidget *control, QPointF from, QPointF to)
{
    const qreal scale = image.devicePixelRatio();
    const QPoint a = (QPointF(control->mapTo(control->window(), from.toPoint())) * scale).toPoint();
    const QPoint b = (QPointF(control->mapTo(control->window(), to.toPoint())) * scale).toPoint();
    const int steps = qMax(qAbs(b.x() - a.x()), qAbs(b.y() - a.y()));
    double most = 1;
    for (int i = 1; i < steps; ++i) {
        const QColor c = devicePixel(image, a + (b - a) * i / steps);
        most = qMax(most, qMin(DesktopColours::contrast(c, devicePixel(image, a)),
                               DesktopColours::contrast(c, devicePixel(image, b))));
    }
    return most;
}

// The contrast of a text's ink, the pixel in its area most distinct from the blank one beside it.
double inkContrast(const QImage &image, QWidget *control, QRect area, QPoint blank)
{
    const QColor background = pixelAt(image, control->mapTo(control->window(), blank));
    double most = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            most = qMax(most, DesktopColours::contrast(pixelAt(image, control->mapTo(control->window(), QPoint(x, y))),
                                                       background));
    }
    return most;
}

} // namespace

class TestRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FormFaces::install();
        FormStyle::install();
    }

    // Each window in English under a light and a dark palette, and in every other language.
    void window_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("scheme"); // empty: Qt's own light palette
        QTest::addColumn<QString>("language");
        const QString dark = u"/usr/share/qt6ct/colors/darker.conf"_s;
        for (const char *name : {"main", "main, address page", "user setup", "receipt preview", "about"}) {
            const QString window = QString::fromLatin1(name);
            QTest::newRow(qPrintable(window + u", light"_s)) << window << QString() << QString();
            QTest::newRow(qPrintable(window + u", dark"_s)) << window << dark << QString();
            for (const QString &language : Languages::translated())
                QTest::newRow(qPrintable(window + u", "_s + language)) << window << QString() << language;
        }
    }

    void window()
    {
        QFETCH(QString, window);
        QFETCH(QString, scheme);
        QFETCH(QString, language);
        Languages::use(language);
        const auto english = qScopeGuard([] { Languages::use(QString()); });
        QVERIFY2(scheme.isEmpty() || QFile::exists(scheme), "qt6ct's colour schemes are not installed");
        QApplication::setPalette(scheme.isEmpty() ? QApplication::style()->standardPalette() : colourScheme(scheme));
        const std::unique_ptr<QWidget> shown = filledWindow(window);
        const QList<QWidget *> controls = shown->findChildren<QWidget *>();
        // Fixed captions are what the controls say before anything is typed or copied in.
        QList<QWidget *> captioned;
        for (QWidget *control : controls) {
            auto *label = qobject_cast<QLabel *>(control);
            auto *button = qobject_cast<QAbstractButton *>(control);
            if ((label && !label->text().isEmpty()) || (button && !button->text().isEmpty()))
                captioned << control;
        }
        for (QLineEdit *field : shown->findChildren<QLineEdit *>())
            field->setText(u"Typed 12"_s);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QImage image = shown->grab().toImage();

        // Read right to left, the form is its English layout reflected, control for control.
        if (shown->isRightToLeft()) {
            Languages::use(QString());
            const std::unique_ptr<QWidget> english = filledWindow(window);
            english->show();
            Languages::use(language);
            static const QRegularExpression designed(u"^(Frame|Label|Text|Option|Command|SSTab|HLink)\\d+$"_s);
            for (QWidget *control : english->findChildren<QWidget *>(designed)) {
                const QRect reflected = QStyle::visualRect(Qt::RightToLeft, clientArea(english.get())->rect(), inClientArea(control));
                QVERIFY2(inClientArea(shown->findChild<QWidget *>(control->objectName())) == reflected,
                         qPrintable(control->objectName()));
            }
        }

        for (QWidget *control : std::as_const(captioned)) {
            const QString text = qobject_cast<QLabel *>(control) ? qobject_cast<QLabel *>(control)->text()
                                                                  : qobject_cast<QAbstractButton *>(control)->text();
            // Every letter shows, condensed no further than it must be and never below the
            // narrowest allowed; a caption that fits is drawn as it is.
            const auto width = [&text](const QFont &font) {
                return int(std::ceil(QFontMetricsF(font).horizontalAdvance(QString(text).remove(u'&')))) + 1;
            };
            QFont natural = control->font();
            natural.setStretch(QFont::AnyStretch);
            const int room = CaptionFit::room(control);
            const QString figures = u"%1 \"%2\": %3 px (%4 as it is) in %5"_s.arg(control->objectName(), text)
                                            .arg(width(control->font())).arg(width(natural)).arg(room);
            QVERIFY2(width(control->font()) <= room, qPrintable(figures));
            QVERIFY2(width(control->font()) >= CaptionFit::narrowest * width(natural), qPrintable(figures));
            if (width(natural) <= room)
                QVERIFY2(control->font().stretch() == QFont::AnyStretch, qPrintable(figures));
            if (auto *label = qobject_cast<FirstLineLabel *>(control))
                QVERIFY2(label->shownText() == text, qPrintable(figures));
        }
        for (FrameBox *frame : shown->findChildren<FrameBox *>()) {
            // The caption starts near the line's left end, or its right end read right to left.
            const auto visual = [frame](QRect area) { return QStyle::visualRect(frame->layoutDirection(), frame->rect(), area); };
            const auto visualPoint = [&visual](QPoint point) { return visual(QRect(point, QSize(1, 1))).topLeft(); };
            const int captionEnd = 6 + frame->fontMetrics().horizontalAdvance(frame->title()) + 4;
            QVERIFY2(captionEnd < frame->width(), qPrintable(frame->title()));
            QVERIFY2(inkContrast(image, frame, visual(QRect(6, 1, captionEnd - 6, frame->fontMetrics().height() - 2)),
                                 visualPoint(QPoint(7, 0))) >= 4.5, qPrintable(frame->title()));
            // Above the border line, the caption sits on the colour around the frame.
            QVERIFY2(inkContrast(image, frame, visual(QRect(7, 1, 1, 1)), visualPoint(QPoint(-3, 1))) < 1.05,
                     qPrintable(frame->title()));
            // Below it, on the frame's own.
            const int below = frame->borderTop() + 2;
            QVERIFY2(inkContrast(image, frame, visual(QRect(7, below, 1, 1)), visualPoint(QPoint(3, below + 1))) < 1.05,
                     qPrintable(frame->title()));
            for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QRect inside = frame->rect().adjusted(2, frame->borderTop() + 2, -2, -2);
                QVERIFY2(inside.contains(control->geometry()),
                         qPrintable(u"%1 crosses the border of %2"_s.arg(control->objectName(), frame->title())));
            }
        }
        // Every border is drawn: the frames', the tab page's and the status panels' bottom and
        // right edges.
        for (QWidget *box : controls) {
            const auto *panel = qobject_cast<QFrame *>(box);
            if (!qobject_cast<FrameBox *>(box) && !qobject_cast<QTabWidget *>(box)
                && !(panel && panel->frameShape() == QFrame::Panel))
                continue;
            const QPointF middle(box->width() / 2.0, box->height() / 2.0);
            QVERIFY2(standsOut(image, box, {middle.x(), box->height() - 6.0}, {middle.x(), box->height() + 2.0}) >= 1.3,
                     qPrintable(box->objectName()));
            QVERIFY2(standsOut(image, box, {box->width() - 6.0, middle.y()}, {box->width() + 2.0, middle.y()}) >= 1.3,
                     qPrintable(box->objectName()));
        }
        // Text against what is painted beside it; the outlines of the boxes people fill in.
        for (QWidget *control : controls) {
            auto *field = qobject_cast<QLineEdit *>(control);
            auto *label = qobject_cast<QLabel *>(control);
            auto *option = qobject_cast<QRadioButton *>(control);
            if (!control->isVisible())
                continue;
            if (label && !label->text().isEmpty()) {
                // A label aligns its text by the text's own direction, whatever the window's.
                const Qt::LayoutDirection reading = label->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
                const QRect text = label->fontMetrics().boundingRect(
                        label->contentsRect(), int(QStyle::visualAlignment(reading, label->alignment())), label->text());
                QVERIFY2(inkContrast(image, label, text & label->contentsRect(), label->contentsRect().topLeft()) >= 4.5,
                         qPrintable(label->objectName()));
            }
            if (field) {
                const int middle = field->height() / 2;
                QVERIFY2(inkContrast(image, field, field->rect().adjusted(3, 3, -3, -3), {field->width() - 4, middle})
                                 >= 4.5, qPrintable(field->objectName()));
                QVERIFY2(standsOut(image, field, {field->width() - 4.0, -3.0}, {field->width() - 4.0, 3.0}) >= 3,
                         qPrintable(field->objectName()));
            }
            if (option) {
                QStyleOptionButton style;
                style.initFrom(option);
                const QRect circle = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
                const qreal centre = circle.center().y() + 0.5;
                QVERIFY2(standsOut(image, option, {circle.left() - 2.0, centre}, {circle.left() + 3.0, centre}) >= 3,
                         qPrintable(option->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
