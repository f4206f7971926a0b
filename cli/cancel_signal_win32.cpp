#include <windows.h>

#include <atomic>

#include "cli/cancel_signal.h"

namespace zarvik3::cli {
namespace {

// The one process-wide value the console's handler touches; it runs on a thread of its own,
// and the copy's event pump reads it between chunks.
std::atomic<bool> cancelSignalled{false};

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    cancelSignalled = true;
    return TRUE;
}

}  // namespace

void InstallCancelHandlers() {
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool CancelSignalled() {
    return cancelSignalled;
}

}  // namespace zarvik3::cli
