#include "window/browse_result.h"

#include "window/folder_text.h"

namespace zarvik3 {

std::optional<std::string> BrowseResult(const std::optional<std::string>& chosenNativePath,
                                        Drives& drives) {
    if (!chosenNativePath) return std::nullopt;
    std::optional<std::string> text = drives.ToFolderText(*chosenNativePath);
    // A "*" in a folder name would be read as the end of the name field, naming the wrong
    // folder; such a folder cannot be taken.
    if (!text || text->empty() || text->find('*') != std::string::npos) return std::nullopt;
    // A picked folder comes without the "*" a file dialog's name field would hold.
    if (text->back() != '\\') *text += '\\';
    std::string folder = FolderFromDialogName(*text + "*");
    if (folder.empty()) return std::nullopt;
    return folder;
}

std::string StartFolderFor(const std::string& rememberedFolderText, Drives& drives) {
    if (rememberedFolderText.empty()) return {};
    return drives.ToNativePath(rememberedFolderText).value_or(std::string());
}

std::optional<std::string> BrowseForFolder(FolderChooser& chooser, Drives& drives,
                                           const std::string& rememberedFolderText,
                                           MessageSink& messages) {
    const std::optional<std::string> chosen =
        chooser.ChooseFolder("Select Folder", StartFolderFor(rememberedFolderText, drives));
    if (chosen && chosen->find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
        messages.ShowMessage("The folder " + *chosen +
                             " cannot be used: its name holds a line break.");
        return std::nullopt;
    }
    return BrowseResult(chosen, drives);
}

}  // namespace zarvik3
