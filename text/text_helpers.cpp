#include "text/text_helpers.h"

#include <array>

namespace zarvik3 {

void EnsureTrailingBackslash(std::string& path) {
    if (path.empty() || path.back() != '\\') path += '\\';
}

std::string WeekdayName(TDateTime date) {
    static constexpr std::array<const char*, 7> kNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
    return kNames[static_cast<std::size_t>(DayOfWeek(date) - 1)];
}

std::string TrimControls(const std::string& text) {
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) < 33; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isControl(text[begin])) ++begin;
    while (end > begin && isControl(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace zarvik3
