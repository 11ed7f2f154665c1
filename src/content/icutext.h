// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <unicode/unistr.h>

// ICU's text as a QString: both hold UTF-16, so the units are taken as they are.
inline QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}
