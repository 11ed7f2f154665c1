// SPDX-License-Identifier: MIT
#include "passworddialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

PasswordDialog::PasswordDialog(const QString &user, const QString &server, bool again, QWidget *parent)
    : QDialog(parent)
    , m_user(new QLineEdit(user, this))
    , m_password(new QLineEdit(this))
{
    setObjectName(QLatin1StringView(objectName));
    setWindowTitle(QStringLiteral("Quorvel"));
    m_password->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    auto *question = new QLabel(again ? tr("The print system at %1 did not accept the password. Type it again to "
                                           "print the receipt.")
                                                .arg(server)
                                      : tr("The print system at %1 asks for your password to print the receipt.")
                                                .arg(server),
                                this);
    question->setWordWrap(true);
    form->addRow(question);
    form->addRow(tr("&User name:"), m_user);
    form->addRow(tr("&Password:"), m_password);
    form->addRow(buttons);
    m_password->setFocus();
}

PrintLogin PasswordDialog::login() const
{
    return {m_user->text(), m_password->text()};
}
