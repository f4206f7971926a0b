#pragma once

#include <string>

namespace zarvik3 {

// Gives to the content of from, unless to exists by then. The copy is moved into place
// whole, so a file another copy of the program made meanwhile is never replaced and no
// half-written file appears under the name. Failures leave to as it was.
void CopyIfMissing(const std::wstring& from, const std::wstring& to);

}  // namespace zarvik3
