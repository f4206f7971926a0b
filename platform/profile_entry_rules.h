#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarvik3 {

// Why an entry would not read back as written from a profile file, on either system: a line
// break or NUL anywhere, "=" in the key, or a key that would read as a section header. Empty
// when it can be stored.
std::optional<std::string> ProfileEntryRefusal(std::string_view section, const std::string* key,
                                               const std::string* value);

}  // namespace zarvik3
