#include "StopSignal.h"

#include <unistd.h>
#include <csignal>
#include <initializer_list>

namespace cli {

namespace {
volatile std::sig_atomic_t firstSignal = 0;
volatile std::sig_atomic_t laterSignals = 0;
volatile std::sig_atomic_t endAtOnceFlag = 0;

extern "C" void onStopSignal(int signal) {
    if (firstSignal == 0) {
        firstSignal = signal;
        return;
    }
    laterSignals = laterSignals + 1;
    if (endAtOnceFlag || laterSignals > 1)
        ::_exit(128 + firstSignal);
}
}  // namespace

void installStopHandler() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // One at a time: a second signal is counted after the first is.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&action.sa_mask, signal);
    // Reads and writes under way simply go on: the engine finishes the item.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool stopRequested() {
    return firstSignal != 0;
}

bool stopNowRequested() {
    return laterSignals != 0;
}

int stoppedStatus() {
    return firstSignal == 0 ? 0 : 128 + firstSignal;
}

void setEndAtOnce(bool endAtOnce) {
    endAtOnceFlag = endAtOnce ? 1 : 0;
}

}  // namespace cli
