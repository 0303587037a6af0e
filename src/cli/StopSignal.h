#pragma once

// Ctrl-C (and a polite kill) as the Stop button: the first signal only
// raises a flag, which the run flag of the batch and the tools' keep-going
// tests read between items, so the item under work is finished. A second
// signal stops at once: a run that writes archives asks the engine to give
// up the one under work, which then never takes its name (an archive has
// none until it is complete); a run that only reads ends there and then.
// A third ends the process whatever it is doing.
namespace cli {

// Installs the handler for SIGINT, SIGTERM and SIGHUP.
void installStopHandler();
bool stopRequested();
// Whether a second signal asked to stop at once.
bool stopNowRequested();
// The exit status of a run that a signal stopped: 128 + the signal's
// number (130 for Ctrl-C), as the shell reports a process the signal ended;
// 0 when no signal came.
int stoppedStatus();
// While set, a second signal ends the process at once (for runs that write
// nothing that could be left half-done).
void setEndAtOnce(bool endAtOnce);

}  // namespace cli
