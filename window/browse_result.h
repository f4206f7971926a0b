#pragma once

#include <optional>
#include <string>

#include "platform/drives.h"
#include "window/folder_chooser.h"
#include "window/message_sink.h"

namespace zarvik3 {

// Folder text for a folder the picker handed back, through the same name rule as a typed
// dialog name; nothing after a cancel, when the folder lies on no drive, or when its
// name holds a "*".
std::optional<FolderText> BrowseResult(const std::optional<NativePath>& chosen, Drives& drives);

// The picker's start folder for a remembered folder text; empty for the picker's default.
NativePath StartFolderFor(const FolderText& rememberedFolderText, Drives& drives);

// Runs the picker titled "Select Folder" from the remembered folder and returns the new
// folder text, or nothing when the field is to keep its text. A folder whose name holds a
// line break is refused with a message, as the settings file could not store it.
std::optional<FolderText> BrowseForFolder(FolderChooser& chooser, Drives& drives,
                                          const FolderText& rememberedFolderText,
                                          MessageSink& messages);

}  // namespace zarvik3
