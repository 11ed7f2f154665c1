// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <QObject>

// The print system of Linux, CUPS, and the destination that lp with no -d prints to: the one
// a person picks with LPDEST or PRINTER, else with lpoptions -d (an instance too), else the
// server's default (as lpstat -d shows it). The job carries the destination's options as lp
// sends them, and the page is laid out on the paper the job will print on; a printer that is
// stopped or refuses jobs is reported before anything is sent. This class is the printing
// module's entry.
class CupsPrintSystem : public QObject, public PrintSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrintSystem_iid)
    Q_INTERFACES(PrintSystem)

public:
    SentJob send(const PrintedPage &page, const PrintWait &wait) const override;
    std::unique_ptr<JobWatch> watch(const SentJob &job, const PrintWait &wait) const override;
};
