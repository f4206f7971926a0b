#pragma once

#include <windows.h>

#include <string>

namespace zarvik3 {

// The system's own text for an error code, without its trailing ".\r\n".
std::string SystemMessage(DWORD error);

}  // namespace zarvik3
