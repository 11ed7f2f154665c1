// SPDX-License-Identifier: MIT
#pragma once

// SIGTERM, SIGINT and SIGHUP end the run as the person would: every shown window closes as
// its close box would (User Setup saves what it holds), without a question if a save fails
// (the file then stays as it was), and the run ends. The program then dies of the signal,
// so that whoever sent it sees the usual status.
namespace TerminationSignals {

// Takes over the three signals; their work is done in the event loop.
void install();

// Called last: if a signal ended the run, the program ends of it now.
void endWithReceivedSignal();

} // namespace TerminationSignals
