#pragma once

#include <string>

namespace zarvik3 {

// Deletes, from the folder (a long path), the temporary files of copies that were stopped:
// only names the copy makes, and only files no copy holds open.
void SweepPartFiles(const std::wstring& folder);

}  // namespace zarvik3
