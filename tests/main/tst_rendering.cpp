// SPDX-License-Identifier: MIT
// What a person sees of each window, under a light and a dark desktop palette (and, run
// again with QT_SCALE_FACTOR=2, on a doubled screen): every fixed caption fits its box, no
// frame's border line runs through a control, and every text reads (4.5:1 or better).
#include "about/qvabout1.h"
#include "core/desktopcolours.h"
#include "core/formfaces.h"
#include "core/framebox.h"
#include "main/qv1.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

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

// The width a caption may take in its control.
int roomForCaption(QWidget *control)
{
    QStyle *style = control->style();
    if (auto *option = qobject_cast<QRadioButton *>(control))
        return option->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    auto *label = qobject_cast<QLabel *>(control);
    return label->contentsRect().width() - qMax(label->indent(), 0) - 2 * label->margin();
}

QColor pixelAt(const QImage &image, QWidget *window, QWidget *control, QPoint point)
{
    const QPoint inWindow = control->mapTo(window, point);
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(int(inWindow.x() * scale), int(inWindow.y() * scale));
}

} // namespace

class TestRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFaces::install(); }

    void window_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("scheme"); // empty: Qt's own light palette
        for (const char *window : {"main", "main, address page", "user setup", "receipt preview", "about"}) {
            QTest::newRow(qPrintable(QString::fromLatin1(window) + u", light"_s)) << QString::fromLatin1(window) << QString();
            QTest::newRow(qPrintable(QString::fromLatin1(window) + u", dark"_s))
                    << QString::fromLatin1(window) << u"/usr/share/qt6ct/colors/darker.conf"_s;
        }
    }

    void window()
    {
        QFETCH(QString, window);
        QFETCH(QString, scheme);
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

        for (QWidget *control : std::as_const(captioned)) {
            const QString text = qobject_cast<QLabel *>(control) ? qobject_cast<QLabel *>(control)->text()
                                                                  : qobject_cast<QAbstractButton *>(control)->text();
            const int needed = control->fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
            QVERIFY2(needed + 1 <= roomForCaption(control),
                     qPrintable(u"%1 \"%2\": %3 px in %4"_s.arg(control->objectName(), text).arg(needed).arg(roomForCaption(control))));
        }
        for (FrameBox *frame : shown->findChildren<FrameBox *>()) {
            const int captionEnd = 6 + frame->fontMetrics().horizontalAdvance(frame->title()) + 4;
            QVERIFY2(captionEnd < frame->width(), qPrintable(frame->title()));
            for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QRect inside = frame->rect().adjusted(2, frame->borderTop() + 2, -2, -2);
                QVERIFY2(inside.contains(control->geometry()),
                         qPrintable(u"%1 crosses the border of %2"_s.arg(control->objectName(), frame->title())));
            }
        }
        // Foreground against the background as painted, beside the text.
        for (QWidget *control : controls) {
            auto *field = qobject_cast<QLineEdit *>(control);
            auto *label = qobject_cast<QLabel *>(control);
            if (!control->isVisible() || !(field || (label && !label->text().isEmpty())))
                continue;
            const QColor text = control->palette().color(field ? QPalette::Text : control->foregroundRole());
            const QColor background = pixelAt(image, shown.get(), control,
                                              field ? QPoint(control->width() - 4, control->height() / 2)
                                                    : label->contentsRect().topRight());
            QVERIFY2(DesktopColours::contrast(text, background) >= 4.5,
                     qPrintable(u"%1: %2 on %3"_s.arg(control->objectName(), text.name(), background.name())));
        }
    }
};

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
