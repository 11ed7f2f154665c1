// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <QObject>

// The print system of Linux, CUPS, and its default destination: the one a person picks with
// LPDEST or PRINTER, else with lpoptions -d, else the server's default (as lpstat -d shows
// it). The page is laid out on the printer's own default paper; a printer that is stopped or
// refuses jobs is reported before anything is sent. This class is the printing module's entry.
class CupsPrintSystem : public QObject, public PrintSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrintSystem_iid)
    Q_INTERFACES(PrintSystem)

public:
    SentJob send(const PrintedPage &page, const PrintWait &wait) const override;
    JobProgress progress(const SentJob &job, const PrintWait &wait) const override;
};
