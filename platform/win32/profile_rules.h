#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvik3 {

// The default's trailing blanks go, as the profile functions drop them.
std::string TrimTrailingBlanks(std::string_view text);

// At most bufferSize - 1 bytes, never ending inside a character.
std::string CutToBuffer(std::string_view utf8, std::size_t bufferSize);

}  // namespace zarvik3
