// SPDX-License-Identifier: MIT
#pragma once

#include "printout/lineprinter.h"

#include <memory>

// The printing module, loaded on first use and kept for the rest of the run.
namespace PrintingModule {

// The system's default printer. Throws a Failure if the module cannot be loaded.
std::unique_ptr<LinePrinter> defaultPrinter();

} // namespace PrintingModule
