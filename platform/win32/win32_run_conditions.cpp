#include "platform/win32/win32_run_conditions.h"

#include "platform/locale_items.h"

namespace zarvik3 {

Win32RunConditions::Win32RunConditions() : locale_(LoadLocaleDateSettings()) {}

void Win32RunConditions::Refresh() {
    locale_ = LoadLocaleDateSettings();
}

}  // namespace zarvik3
