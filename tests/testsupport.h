// SPDX-License-Identifier: MIT
#pragma once

#include "core/errorreport.h"
#include "core/openwindows.h"
#include "receipt/printjob.h"
#include "store/issuerkeys.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

// Skips a loop of hundreds of kills or thousands of saves unless the full suite asked for it.
#define QUORVEL_LONG_TEST()                                                                                \
    do {                                                                                                   \
        if (qEnvironmentVariableIsEmpty("QUORVEL_LONG_TESTS"))                                             \
            QSKIP("a long loop: the full test command runs it (ctest -L long)");                          \
    } while (false)

// Helpers shared by the widget tests.
namespace TestSupport {

// A rectangle in twips (1/1440 inch; 15 twips make a pixel at 96 dpi), the forms' own unit.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// Sets an environment variable, or unsets it where the value is null, for as long as it lives.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name)
        , m_old(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedVariable() { m_old ? qputenv(m_name, *m_old) : qunsetenv(m_name); }
    Q_DISABLE_COPY_MOVE(ScopedVariable)

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};

// Gives the test its own empty configuration directory for as long as it lives.
class IsolatedConfig
{
public:
    IsolatedConfig() { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// The error reports on screen, newest last.
inline QList<QMessageBox *> errorReports()
{
    QList<QMessageBox *> reports;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->objectName() == QLatin1StringView(ErrorReport::objectName) && box->isVisible())
            reports.append(box);
    }
    return reports;
}

// The text of the only error report on screen, or an empty string if there is none.
inline QString errorReportText()
{
    const QList<QMessageBox *> reports = errorReports();
    return reports.size() == 1 ? reports.first()->text() + u' ' + reports.first()->informativeText() : QString();
}

// Answers the questions that failed closes ask, in turn, each with the button whose text
// starts with the next answer, and keeps the text of every question asked.
class FailedCloseAnswers : public QObject
{
public:
    explicit FailedCloseAnswers(const QStringList &answers)
        : m_answers(answers)
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, this, [this] { answer(); });
        m_poll.start();
    }
    QStringList questions;

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QLatin1StringView(ErrorReport::failedCloseObjectName) || m_answers.isEmpty())
            return;
        questions << box->text() + u' ' + box->informativeText();
        const QString answer = m_answers.takeFirst();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text().startsWith(answer)) {
                button->click();
                return;
            }
        }
    }

    QStringList m_answers;
    QTimer m_poll;
};

// Ends the test's windows, reports and print jobs without any unload step, so no test sees
// another's.
inline void discardEverything()
{
    PrintJob::endAll();
    for (QMessageBox *report : errorReports())
        report->close();
    OpenWindows::instance().discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The Issuer details as User Setup stores them (keys written) and reads them (keys read).
inline void storeIssuer(const QStringList &values)
{
    for (std::size_t i = 0; i < IssuerKeys::keys.size(); ++i)
        SettingsStore::saveSetting(SettingsStore::applicationName(), IssuerKeys::section, IssuerKeys::keys.at(i).written,
                                   values.value(qsizetype(i)));
}

inline QStringList storedIssuer()
{
    QStringList values;
    for (const IssuerKeys::Key &key : IssuerKeys::keys)
        values << SettingsStore::getSetting(SettingsStore::applicationName(), IssuerKeys::section, key.read);
    return values;
}

// Base of the window tests: every test function starts with an empty configuration
// directory, and leaves no window, report or settings file behind for the next one.
class WindowTestCase : public QObject
{
    Q_OBJECT

protected slots:
    void init() { m_config = std::make_unique<IsolatedConfig>(); }
    void cleanup()
    {
        discardEverything();
        m_config.reset();
    }

private:
    std::unique_ptr<IsolatedConfig> m_config;
};

} // namespace TestSupport
