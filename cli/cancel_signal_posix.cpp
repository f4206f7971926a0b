#include "cli/cancel_signal.h"

#include <csignal>

namespace zarvik3::cli {
namespace {

// The one process-wide value a signal handler may touch: it can only set a flag of this
// type, and the copy's event pump reads it between chunks.
volatile std::sig_atomic_t cancelSignalled = 0;

extern "C" void OnCancelSignal(int) {
    cancelSignalled = 1;
}

}  // namespace

void InstallCancelHandlers() {
    struct sigaction action {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    // Restarted calls: the copy asks for the flag between chunks, so nothing need be cut short.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool CancelSignalled() {
    return cancelSignalled != 0;
}

}  // namespace zarvik3::cli
