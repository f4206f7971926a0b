#pragma once

#include <string_view>

namespace zarvik3 {

// Whether a long name matches a name pattern as the Windows enumeration matches long names:
// without regard to case, "*" any run, "?" one character (or nothing at the end of the name
// or before a dot), a dot before "*" or "?" also matching the end of the name, trailing dots
// and blanks ignored, and a pattern that ended in a dot matching only names without one.
// The system also matches generated 8.3 names, so "*.txt" finds "notes.txtx"; a walk must
// not.
bool LongNameMatches(std::wstring_view pattern, std::wstring_view name);

}  // namespace zarvik3
