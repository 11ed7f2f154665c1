// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// Start-up, shared by the program, its benchmarks and its screenshot tool, so that each
// starts exactly as the program does.
namespace Startup {

// What the application sets up before its first window: its desktop entry's name, Qt's
// translations, the forms' faces, and the rules for ending the run.
void prepare(QApplication &app);

// Shows the main window and handles events until the run ends; the windows still loaded
// then are discarded without their unload steps.
int run();

} // namespace Startup
