// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <QByteArray>

class QPageLayout;

// The page as a PDF document of that title on the printer's paper, in the default typeface at each line's
// size. Each line starts at the left edge of the printable area, one line height of its font
// below the line before it (the first at the top), and is a left-to-right row of its items:
// each item is laid out on its own, so that a value in a right-to-left script keeps its own
// order inside its place without moving its neighbours. What runs past the paper's right
// edge cannot print, and is left out of the document too.
QByteArray pdfPage(const PrintedPage &page, const QPageLayout &paper, const QString &title);
