#include "platform/posix/profile_text.h"

namespace zarvik3 {

std::string StripQuotePair(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return std::string(quoted ? value.substr(1, value.size() - 2) : value);
}

std::string TrimTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return std::string(text.substr(0, end));
}

std::string CutToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    return std::string(text.substr(0, bufferSize - 1));
}

}  // namespace zarvik3
