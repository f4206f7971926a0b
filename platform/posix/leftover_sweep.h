#pragma once

#include <functional>
#include <string>

namespace zarvik3 {

// Removes, from the open folder, every regular file whose name isOurs accepts and that no
// one holds locked: a leftover of a writer that was stopped. A file being written is locked
// by its writer and stays.
void SweepLeftovers(int folderFd, const std::function<bool(const std::string&)>& isOurs);

}  // namespace zarvik3
