// SPDX-License-Identifier: MIT
#include "failure.h"

Failure::Failure(const QString &action, const QString &reason)
    : std::runtime_error(QString(action + QStringLiteral(": ") + reason).toStdString())
    , m_action(action)
    , m_reason(reason)
{
}
