#pragma once

#include <optional>
#include <string>

class QWidget;

namespace zarvik3 {

// The system's folder dialog; the chosen folder as a native path, nothing on cancel.
std::optional<std::string> ChooseFolderDialog(QWidget* parent, const std::string& title,
                                              const std::string& startNativePath);

}  // namespace zarvik3
