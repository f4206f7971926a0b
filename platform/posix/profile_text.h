#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvik3 {

// How a stored value or a default comes back from a profile read.
std::string StripQuotePair(std::string_view value);
std::string TrimTrailingBlanks(std::string_view text);
std::string CutToBuffer(std::string_view text, std::size_t bufferSize);

// False for names and values that would not read back as the same entry: a line break or
// NUL anywhere, "=" in the key, or a key that would read as a section header.
bool IsStorableEntry(std::string_view section, const std::string* key, const std::string* value);

}  // namespace zarvik3
