#include "platform/win32/profile_rules.h"

namespace zarvik3 {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

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
