#pragma once

class QApplication;

namespace zarvik3 {

// Program start: the title, the locale, the platform, both windows and the event loop.
// Returns the event loop's exit code.
int RunProgram(QApplication& application);

}  // namespace zarvik3
