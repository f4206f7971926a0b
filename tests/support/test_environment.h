#pragma once

#include <cstdlib>
#include <ctime>

namespace zarvik3::testing {

// Every test program runs with the same locale, time zone and Qt platform, so results do not
// depend on the machine or on how the program was started.
inline void UseTestEnvironment() {
#ifdef _WIN32
    _putenv_s("LANG", "C.UTF-8");
    _putenv_s("LC_ALL", "C.UTF-8");
    _putenv_s("QT_QPA_PLATFORM", "offscreen");
    _tzset();
#else
    setenv("LANG", "C.UTF-8", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("TZ", "Europe/Berlin", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    tzset();
#endif
}

}  // namespace zarvik3::testing
