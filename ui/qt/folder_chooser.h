#pragma once

#include <optional>
#include <string>

#include "platform/path_kinds.h"

class QWidget;

namespace zarvik3 {

// The system's folder dialog; the chosen folder as a native path, nothing on cancel.
std::optional<NativePath> ChooseFolderDialog(QWidget* parent, const std::string& title,
                                             const NativePath& start);

}  // namespace zarvik3
