#pragma once

#include <string>

namespace zarvik3 {

// The hidden name under which the copy of name is written before it replaces name. Always
// the same for the same name, so the next copy finds and removes a leftover of a crash.
std::string PartFileName(const std::string& name);

}  // namespace zarvik3
