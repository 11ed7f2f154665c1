// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <QByteArray>

class QPageLayout;

// The page as a PDF document of that title on the paper, in the default typeface at each
// line's size. Each line starts at the edge of the printable area where the page's direction
// starts (the left, or the right), one line height of its font below the line before it (the
// first at the top), and is a row of its items in that direction: each item is laid out on
// its own, so that a value in another script's direction keeps its own order inside its place
// without moving its neighbours. A page wider or taller than the printable area is drawn
// smaller, uniformly, until it fits (down to a fifth of its size: what still runs past the
// paper's edge then cannot print, and is left out of the document too).
QByteArray pdfPage(const PrintedPage &page, const QPageLayout &paper, const QString &title);
