#include "platform/win32/folder_text_form.h"

#include <algorithm>
#include <string_view>

#include "text/char_checks.h"

namespace zarvik3 {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsDrivePath(const std::string& text) {
    return text.size() >= 2 && IsAsciiLetter(text[0]) && text[1] == ':' &&
           (text.size() == 2 || IsSeparator(text[2]));
}

// "\\.\" and "\\?\" lead into the device and object namespaces, not to folders.
bool IsSharePath(const std::string& text) {
    return text.size() > 2 && IsSeparator(text[0]) && IsSeparator(text[1]) && text[2] != '.' &&
           text[2] != '?' && !IsSeparator(text[2]);
}

std::string WithoutLongPrefix(const std::string& path) {
    constexpr std::string_view kLocal = "\\\\?\\";
    constexpr std::string_view kShare = "\\\\?\\UNC\\";
    if (path.starts_with(kShare)) return "\\\\" + path.substr(kShare.size());
    if (path.starts_with(kLocal)) return path.substr(kLocal.size());
    return path;
}

}  // namespace

std::optional<std::string> NativeOfFolderText(const std::string& folderText) {
    if (HoldsLineBreakOrNul(folderText)) return std::nullopt;
    if (IsDrivePath(folderText)) return folderText.size() == 2 ? folderText + '\\' : folderText;
    if (IsSharePath(folderText)) return folderText;
    return std::nullopt;
}

std::optional<std::string> FolderTextOfNative(const std::string& nativePath) {
    auto text = NativeOfFolderText(WithoutLongPrefix(nativePath));
    // Folder texts are compared as they stand, so they take one separator only.
    if (text) std::replace(text->begin(), text->end(), '/', '\\');
    return text;
}

}  // namespace zarvik3
