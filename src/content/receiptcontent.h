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

// Where each field is typed and where the preview shows it: the one table of each record's
// controls, walked by the windows that read and fill them.
struct IssuerField
{
    QString IssuerDetails::*field;
    const char *setupTextBox; // in User Setup
    const char *previewLabel;
};

inline const std::array<IssuerField, 5> issuerFields = {{
    {&IssuerDetails::name, "Text1", "Label1"},
    {&IssuerDetails::street, "Text2", "Label2"},
    {&IssuerDetails::city, "Text3", "Label3"},
    {&IssuerDetails::state, "Text4", "Label4"},
    {&IssuerDetails::zip, "Text5", "Label5"},
}};

struct PayeeField
{
    QString PayeeDetails::*field;
    const char *mainTextBox; // in the main window
    const char *previewLabel;
};

inline const std::array<PayeeField, 7> payeeFields = {{
    {&PayeeDetails::firstName, "Text2", "Label9"},
    {&PayeeDetails::lastName, "Text3", "Label10"},
    {&PayeeDetails::street1, "Text4", "Label11"},
    {&PayeeDetails::street2, "Text5", "Label12"},
    {&PayeeDetails::city, "Text6", "Label13"},
    {&PayeeDetails::state, "Text8", "Label14"},
    {&PayeeDetails::zip, "Text9", "Label6"},
}};

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
