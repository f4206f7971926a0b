#pragma once

#include <string>
#include <string_view>

namespace zarvik3 {

// UTF-8 at every interface, UTF-16 at every system call.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace zarvik3
