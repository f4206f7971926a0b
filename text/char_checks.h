#pragma once

#include <string_view>

namespace zarvik3 {

// A-Z and a-z whatever the locale: drive letters and format letters are ASCII.
inline constexpr bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A text that cannot stand on one line of a file, nor pass whole through a C string.
inline constexpr bool HoldsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace zarvik3
