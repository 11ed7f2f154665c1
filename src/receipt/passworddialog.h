// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <QDialog>

class QLineEdit;

// Asks for the name and password that the print system wants before it takes the receipt,
// as desktop print dialogs do: the user name filled in, the password hidden, OK and Cancel.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char *objectName = "PrintPassword";

    // again: the print system did not accept the password given before.
    PasswordDialog(const QString &user, const QString &server, bool again, QWidget *parent = nullptr);

    PrintLogin login() const;

private:
    QLineEdit *m_user;
    QLineEdit *m_password;
};
