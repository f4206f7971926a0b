#pragma once

#include <string>

namespace zarvik3 {

// The folder text as an absolute path that passes the 260-character limit: "\\?\C:\..." or
// "\\?\UNC\server\share\..."; empty when the system cannot make it absolute.
std::wstring LongPath(const std::string& folderText);

}  // namespace zarvik3
