#pragma once

#include <optional>
#include <string>

namespace zarvik3 {

// The folder picker behind the two "..." buttons.
class FolderChooser {
  public:
    virtual ~FolderChooser() = default;

    // The chosen folder as a native path, or nothing when the user cancelled. An empty
    // start folder leaves the picker at its own default.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& startNativePath) = 0;
};

}  // namespace zarvik3
