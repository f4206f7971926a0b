#pragma once

#include <string>

namespace zarvik3 {

// The text of the standard error box: a "." is appended when the message's last character
// sorts after ".".
std::string ErrorMessageText(const std::string& message);

}  // namespace zarvik3
