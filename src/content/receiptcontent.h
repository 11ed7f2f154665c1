// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

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

// How the payee paid, in the order in which the main window's options are tested. The
// text is part of the value: it is what the preview shows and the receipt prints.
inline const std::array<QString, 4> paymentTypeTexts = {
    QStringLiteral("Personal Check"),
    QStringLiteral("Money Order"),
    QStringLiteral("Credit Card"),
    QStringLiteral("Cash"),
};

// A receipt as the preview shows it: the amount already formatted as currency, the
// payment type empty when none was chosen.
struct Receipt
{
    IssuerDetails issuer;
    QString paymentType;
    QString amount;
    PayeeDetails payee;
};
