#include "StopSignal.h"

#include <csignal>
#include <initializer_list>

namespace cli {

namespace {
volatile std::sig_atomic_t stopFlag = 0;

extern "C" void onStopSignal(int) {
    stopFlag = 1;
}
}  // namespace

void installStopHandler() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // Reads and writes under way simply go on: the engine finishes the item.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool stopRequested() {
    return stopFlag != 0;
}

void requestStop() {
    stopFlag = 1;
}

}  // namespace cli
