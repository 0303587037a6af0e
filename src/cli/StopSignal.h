#pragma once

// Ctrl-C (and a polite kill) as the Stop button: the handler only raises a
// flag, which the run flag of the batch and the tools' keep-going tests
// read between items, so the item under work is always finished.
namespace cli {

// Installs the handler for SIGINT, SIGTERM and SIGHUP. Every further signal
// does the same as the first: there is no second, harder stop that could
// leave an archive half-written.
void installStopHandler();
bool stopRequested();
// Raises the flag as the handler would (for callers that stop on their own).
void requestStop();

}  // namespace cli
