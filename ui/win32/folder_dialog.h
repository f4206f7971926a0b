#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/path_kinds.h"

namespace zarvik3 {

// The system's folder dialog, owned by owner; the chosen folder, nothing on cancel.
std::optional<NativePath> ChooseFolderDialog(HWND owner, const std::string& title,
                                             const NativePath& start);

}  // namespace zarvik3
