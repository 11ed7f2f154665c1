// SPDX-License-Identifier: MIT
#pragma once

#include "content/receiptcontent.h"

#include <QString>

#include <array>

// Where the Issuer details live in the settings store: one section, and a key per field
// in the order in which User Setup reads and writes them. The key written differs from the
// key read in letter case only; the store treats them as one.
namespace IssuerKeys {

inline const QString section = QStringLiteral("Recent DBs");

struct Key
{
    QString IssuerDetails::*field;
    QString read;
    QString written;
};

inline const std::array<Key, 5> keys = {{
    {&IssuerDetails::name, QStringLiteral("Text1DB"), QStringLiteral("text1Db")},
    {&IssuerDetails::street, QStringLiteral("text2DB"), QStringLiteral("text2Db")},
    {&IssuerDetails::city, QStringLiteral("Text3DB"), QStringLiteral("text3Db")},
    {&IssuerDetails::state, QStringLiteral("Text4DB"), QStringLiteral("Text4Db")},
    {&IssuerDetails::zip, QStringLiteral("Text5DB"), QStringLiteral("Text5Db")},
}};

} // namespace IssuerKeys
