// SPDX-License-Identifier: MIT
#pragma once

#include <QString>


// The party that received the payment: the user, as entered in User Setup.
struct IssuerDetails
{
    QString name;
    QString street;
    QString city;
    QString state;
    QString zip;
};

// The party that paid, as entered in the main window.
struct PayeeDetails
{
    QString firstName;
    QString lastName;
    QString street1;
    QString street2;
    QString city;
    QString state;
    QString zip;
};

// How the payee paid. The text is part of the value: the option shows it, the preview
// shows it and the receipt prints it, in the user's language.
enum class PaymentType { PersonalCheck, MoneyOrder, CreditCard, Cash };

QString paymentTypeText(PaymentType type);

// A receipt as the preview shows it: the amount already formatted as currency, the
// payment type empty when none was chosen.
struct Receipt
{
    IssuerDetails issuer;
    QString paymentType;
    QString amount;
    PayeeDetails payee;
};
