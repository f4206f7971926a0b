#pragma once

namespace zarvik3::cli {

// SIGINT and SIGTERM ask the run to stop, as the window's Cancel does.
void InstallCancelHandlers();

// Whether either signal has arrived since the handlers were installed.
bool CancelSignalled();

}  // namespace zarvik3::cli
