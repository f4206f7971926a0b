#pragma once

#include <optional>
#include <string>

#include "platform/path_kinds.h"

namespace zarvik3 {

// The folder picker behind the two "..." buttons.
class FolderChooser {
  public:
    virtual ~FolderChooser() = default;

    // The chosen folder as a native path, or nothing when the user cancelled. An empty
    // start folder leaves the picker at its own default.
    virtual std::optional<NativePath> ChooseFolder(const std::string& title,
                                                   const NativePath& start) = 0;
};

}  // namespace zarvik3
