#include "window/browse_result.h"

#include "text/char_checks.h"
#include "window/folder_text.h"

namespace zarvik3 {

std::optional<FolderText> BrowseResult(const std::optional<NativePath>& chosen, Drives& drives) {
    if (!chosen) return std::nullopt;
    std::optional<FolderText> text = drives.ToFolderText(*chosen);
    // A "*" in a folder name would be read as the end of the name field, naming the wrong
    // folder; such a folder cannot be taken.
    if (!text || text->empty() || text->find('*') != std::string::npos) return std::nullopt;
    // A picked folder comes without the "*" a file dialog's name field would hold.
    if (text->back() != '\\') *text += '\\';
    std::string folder = FolderFromDialogName(*text + "*");
    if (folder.empty()) return std::nullopt;
    return folder;
}

NativePath StartFolderFor(const FolderText& rememberedFolderText, Drives& drives) {
    if (rememberedFolderText.empty()) return {};
    return drives.ToNativePath(rememberedFolderText).value_or(NativePath());
}

std::optional<FolderText> BrowseForFolder(FolderChooser& chooser, Drives& drives,
                                          const FolderText& rememberedFolderText,
                                          MessageSink& messages) {
    const std::optional<NativePath> chosen =
        chooser.ChooseFolder("Select Folder", StartFolderFor(rememberedFolderText, drives));
    if (chosen && HoldsLineBreakOrNul(chosen->Text())) {
        messages.ShowMessage("The folder " + chosen->Text() +
                             " cannot be used: its name holds a line break.");
        return std::nullopt;
    }
    return BrowseResult(chosen, drives);
}

}  // namespace zarvik3
