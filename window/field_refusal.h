#pragma once

#include <optional>
#include <string>

namespace zarvik3 {

// The message for a text a field must refuse, or nothing when it takes the text: a line
// break or NUL could not be kept in the settings file.
std::optional<std::string> FieldRefusal(const std::string& fieldName, const std::string& text);

}  // namespace zarvik3
