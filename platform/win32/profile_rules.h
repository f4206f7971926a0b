#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zarvik3 {

// Why an entry would not read back as written: a line break or NUL anywhere, "=" in the
// key, or a key that would read as a section header. Empty when it can be stored.
std::optional<std::string> EntryRefusal(std::string_view section, const std::string* key,
                                        const std::string* value);

// The default's trailing blanks go, as the profile functions drop them.
std::string TrimTrailingBlanks(std::string_view text);

// At most bufferSize - 1 bytes, never ending inside a character.
std::string CutToBuffer(std::string_view utf8, std::size_t bufferSize);

}  // namespace zarvik3
