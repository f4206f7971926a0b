#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace zarvik3 {

// The system's text for an error code, in UTF-8, without the closing ".\r\n".
std::string SystemMessage(DWORD error);

}  // namespace zarvik3
