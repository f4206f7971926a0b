#pragma once

#include <sys/types.h>

#include <string>

namespace zarvik3::test {

// A private X display with a window manager, for what only a real desktop shows: the frame
// a window manager puts around a window. Xvfb picks a free display number itself; both
// processes end with this object, or with the test program if it dies first.
class DesktopSession {
  public:
    DesktopSession() = default;
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;
    ~DesktopSession();

    // Starts Xvfb and openbox and points DISPLAY and Qt's platform at them. Empty when they
    // run, else why not.
    std::string Start();

  private:
    std::string StartServer();

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
};

// Shows a probe window and waits until the window manager has framed it. Empty when it
// did, else why not.
std::string WaitForWindowManager();

// The name of the application property that holds why there is no desktop, when there is none.
inline constexpr char kNoDesktop[] = "zarvik3NoDesktop";

}  // namespace zarvik3::test
