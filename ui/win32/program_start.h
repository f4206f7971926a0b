#pragma once

namespace zarvik3 {

// The program: its settings, the main window and the event loop; the process's exit code.
int RunProgram(int show);

}  // namespace zarvik3
