// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <stdexcept>

// A call into the store, the printer or the toolkit that could not do its work.
// It names what was being done and why it failed, in words for the user. Defined here
// in full, so that the printing module throws the same Failure that the program catches.
class Failure : public std::runtime_error
{
public:
    Failure(const QString &action, const QString &reason)
        : std::runtime_error(QString(action + QStringLiteral(": ") + reason).toStdString())
        , m_action(action)
        , m_reason(reason)
    {
    }

    QString action() const { return m_action; }
    QString reason() const { return m_reason; }

private:
    QString m_action;
    QString m_reason;
};
