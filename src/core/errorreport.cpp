// SPDX-License-Identifier: MIT
#include "errorreport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

QMessageBox *ErrorReport::show(const QString &action, const QString &reason)
{
    auto *box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Quorvel"),
                                QCoreApplication::translate("ErrorReport", "%1 failed.").arg(action), QMessageBox::Ok);
    box->setObjectName(QLatin1StringView(objectName));
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
    return box;
}

ErrorReport::FailedClose ErrorReport::askAfterFailedClose(const QString &windowTitle, const QString &action,
                                                         const QString &reason)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvel"),
                    QCoreApplication::translate("ErrorReport", "%1 failed.").arg(action));
    box.setObjectName(QLatin1StringView(failedCloseObjectName));
    box.setInformativeText(reason + QStringLiteral("\n\n")
                           + QCoreApplication::translate("ErrorReport", "Try again, close %1 without saving (what was "
                                                                        "typed in it is then lost), or go back to %1.")
                                     .arg(windowTitle));
    QPushButton *tryAgain =
            box.addButton(QCoreApplication::translate("ErrorReport", "Try Again"), QMessageBox::AcceptRole);
    QPushButton *close = box.addButton(QCoreApplication::translate("ErrorReport", "Close Without Saving"),
                                       QMessageBox::DestructiveRole);
    QPushButton *back = box.addButton(QCoreApplication::translate("ErrorReport", "Back to %1").arg(windowTitle),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    if (box.clickedButton() == tryAgain)
        return FailedClose::TryAgain;
    return box.clickedButton() == close ? FailedClose::CloseWithoutSaving : FailedClose::GoBack;
}

void ErrorReport::closeQuestionWithoutSaving()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *question = qobject_cast<QMessageBox *>(window);
        if (!question || question->objectName() != QLatin1StringView(failedCloseObjectName))
            continue;
        for (QAbstractButton *button : question->buttons()) {
            if (question->buttonRole(button) == QMessageBox::DestructiveRole)
                button->click();
        }
    }
}
