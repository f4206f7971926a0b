#include "window/folder_text.h"

#include <string_view>

#include "text/text_helpers.h"

namespace zarvik3 {

namespace {

constexpr std::string_view kShortcutSuffix = ".lnk";

// Characters first .. first + literal length - 1 equal the literal, case-sensitively.
bool HasAt(const std::string& text, std::size_t first, std::string_view literal) {
    return text.size() >= first - 1 + literal.size() &&
           std::string_view(text).substr(first - 1, literal.size()) == literal;
}

bool IsProfilePath(const std::string& from) {
    return HasAt(from, 4, "Documents and S") || HasAt(from, 4, "Users");
}

// The From path without its drive; a profile path also loses the profile's own folders.
std::string RelativePart(const std::string& from) {
    if (IsProfilePath(from) && !ExtractFields(from, "\\", 1, 4).empty()) {
        return ExtractFields(from, "\\", 9, 4) + "\\";
    }
    return CopyChars(from, 4, 99);
}

}  // namespace

std::string FolderFromDialogName(const std::string& name) {
    const std::string beforeStar = ExtractFields(name, "*", 1, 1);
    // Only a name ending in ".lnk" is a shortcut; ".lnk" inside a folder name is just text.
    if (std::string_view(beforeStar).ends_with(kShortcutSuffix)) {
        return beforeStar.substr(0, beforeStar.size() - kShortcutSuffix.size()) + "\\";
    }
    if (!beforeStar.empty() && beforeStar.back() == '\\') return beforeStar;
    if (beforeStar.size() < 2) return {};
    const std::size_t slash = beforeStar.rfind('\\', beforeStar.size() - 2);
    if (slash == std::string::npos) return {};
    return beforeStar.substr(0, slash + 1);
}

std::string SamePathText(const std::string& from, const std::string& to) {
    const std::string drive = to.find(":\\") != std::string::npos ? CopyChars(to, 1, 3) : "X:\\";
    return drive + RelativePart(from);
}

}  // namespace zarvik3
