#include "platform/win32/profile_rules.h"

#include "text/char_checks.h"

namespace zarvik3 {

namespace {

bool ReadsAsSectionHeader(std::string_view key) {
    const std::size_t first = key.find_first_not_of(" \t");
    return first != std::string_view::npos && key[first] == '[';
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::optional<std::string> EntryRefusal(std::string_view section, const std::string* key,
                                        const std::string* value) {
    const bool keyBreaks = key != nullptr && HoldsLineBreakOrNul(*key);
    const bool valueBreaks = value != nullptr && HoldsLineBreakOrNul(*value);
    if (HoldsLineBreakOrNul(section) || keyBreaks || valueBreaks) {
        return "A line break cannot be kept in a settings file";
    }
    if (key != nullptr && (key->find('=') != std::string::npos || ReadsAsSectionHeader(*key))) {
        return "A settings key cannot hold \"=\" or start with \"[\"";
    }
    return std::nullopt;
}

std::string TrimTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return std::string(text.substr(0, end));
}

std::string CutToBuffer(std::string_view utf8, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    if (utf8.size() < bufferSize) return std::string(utf8);
    std::size_t end = bufferSize - 1;
    while (end > 0 && IsContinuationByte(utf8[end])) --end;
    return std::string(utf8.substr(0, end));
}

}  // namespace zarvik3
