// SPDX-License-Identifier: MIT
#pragma once

class PrintSystem;

// The printing module, loaded on first use and kept for the rest of the run.
namespace PrintingModule {

// The print system it offers. Throws a Failure if the module cannot be loaded.
const PrintSystem &printSystem();

} // namespace PrintingModule
