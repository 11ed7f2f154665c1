// SPDX-License-Identifier: MIT
#include "errorreport.h"

#include <QMessageBox>
#include <QString>

void ErrorReport::show(const QString &action, const QString &reason)
{
    auto *box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Quorvel"),
                                action + QStringLiteral(" failed."), QMessageBox::Ok);
    box->setObjectName(QLatin1StringView(objectName));
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
}
