#pragma once

#include <string>
#include <string_view>

namespace zarvik3 {

// UTF-8 at the program's interfaces, UTF-16 at the system's.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace zarvik3
