#pragma once

namespace zarvik3::cli {

// Ctrl+C (SIGINT and SIGTERM on POSIX, Ctrl+C and Ctrl+Break on a Windows console) asks the
// run to stop, as the window's Cancel does.
void InstallCancelHandlers();

// Whether such a request has arrived since the handlers were installed.
bool CancelSignalled();

}  // namespace zarvik3::cli
