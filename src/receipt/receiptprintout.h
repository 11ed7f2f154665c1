// SPDX-License-Identifier: MIT
#pragma once

#include "content/receiptcontent.h"

class LinePrinter;

// Prints the receipt as one document of fifteen lines: a heading at 20 points, then the
// date and the receipt text at 14 points, aligned only by runs of spaces. After a caption,
// in any language, as many spaces follow as set the value in the column where the English
// caption sets it.
void printReceipt(const Receipt &receipt, const QString &date, LinePrinter &printer);
