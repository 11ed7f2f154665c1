// SPDX-License-Identifier: MIT
// Renders every window, filled in as a user would, into PNG files for the documentation,
// and prints the receipt on the default printer.
#include "about/qvabout1.h"
#include "content/localeformat.h"
#include "core/openwindows.h"
#include "main/qv1.h"
#include "main/startup.h"
#include "core/sharedinstance.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <cstdio>

namespace {

void type(QWidget *window, const char *name, const QString &text)
{
    window->findChild<QLineEdit *>(QLatin1StringView(name))->setText(text);
}

void save(QWidget *window, const QString &directory, const QString &name)
{
    const QString path = directory + u'/' + name + QStringLiteral(".png");
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::prepare(app);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(directory);

    auto &main = SharedInstance<QV1>::get();
    main.show();
    QV1 *window = main.window();
    type(window, "Text2", QStringLiteral("Ada"));
    type(window, "Text3", QStringLiteral("Lovelace"));
    type(window, "Text4", QStringLiteral("12 St James's Square"));
    type(window, "Text6", QStringLiteral("London"));
    type(window, "Text8", QStringLiteral("LN"));
    type(window, "Text9", QStringLiteral("SW1Y 4JH"));
    // The amount as a person in the money locale types it.
    type(window, "Text7", LocaleFormat::resolvedLocale(LocaleFormat::moneyLocaleName()).toString(1234.5, 'f', 1));
    window->findChild<QRadioButton *>(QStringLiteral("Option4"))->setChecked(true);
    save(window, directory, QStringLiteral("main-name"));
    window->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    save(window, directory, QStringLiteral("main-address"));

    auto &setup = SharedInstance<QVO1>::get();
    setup.show();
    type(setup.window(), "Text1", QStringLiteral("Quorvel Supplies Ltd."));
    type(setup.window(), "Text2", QStringLiteral("1 Market Street"));
    type(setup.window(), "Text3", QStringLiteral("Springfield"));
    type(setup.window(), "Text4", QStringLiteral("IL"));
    type(setup.window(), "Text5", QStringLiteral("62701"));
    save(setup.window(), directory, QStringLiteral("user-setup"));

    window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QVRP *preview = SharedInstance<QVRP>::get().window();
    save(preview, directory, QStringLiteral("receipt-preview"));
    // The printed page goes to the default printer; the caller picks it up from the spooler.
    auto *print = preview->findChild<QPushButton *>(QStringLiteral("Command1"));
    print->click();
    while (!print->isEnabled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    SharedInstance<QVAbout1>::get().show();
    save(SharedInstance<QVAbout1>::get().window(), directory, QStringLiteral("about"));

    // Nothing typed here belongs in the user's store.
    OpenWindows::instance().discardAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
