#pragma once

#include <optional>
#include <string>

namespace zarvik3 {

// A folder text is the native path itself, limited to the absolute forms: "X:\...", "X:"
// (the root, never the drive's current folder) and "\\server\share\...". Texts with NUL,
// line breaks, "C:Data" drive-relative or plain relative forms name nothing.
std::optional<std::string> NativeOfFolderText(const std::string& folderText);

// The same forms back, with a "\\?\" or "\\?\UNC\" prefix taken off and "/" as "\".
std::optional<std::string> FolderTextOfNative(const std::string& nativePath);

}  // namespace zarvik3
