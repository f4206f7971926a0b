#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace zarvik3 {

// The folder picker behind the two "..." buttons; tests put a fake in its place.
class FolderChooser {
  public:
    virtual ~FolderChooser() = default;

    // The chosen folder as a native path, or nothing when the user cancelled. An empty
    // start folder leaves the picker at its own default.
    virtual std::optional<std::string> ChooseFolder(QWidget* parent, const QString& title,
                                                    const std::string& startNativePath) = 0;
};

class QtFolderChooser : public FolderChooser {
  public:
    std::optional<std::string> ChooseFolder(QWidget* parent, const QString& title,
                                            const std::string& startNativePath) override;
};

}  // namespace zarvik3
