#include "platform/profile_entry_rules.h"

#include <algorithm>

#include "text/char_checks.h"

namespace zarvik3 {

namespace {

// Readers differ in the blanks they skip before a "[" (Windows takes Ctrl-Z and Unicode
// spaces for blanks too), so any "[" that no visible ASCII character precedes counts.
bool ReadsAsSectionHeader(std::string_view key) {
    const auto visible = std::find_if(key.begin(), key.end(), [](char c) {
        return static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x7F;
    });
    return visible != key.end() && *visible == '[';
}

}  // namespace

std::optional<std::string> ProfileEntryRefusal(std::string_view section, const std::string* key,
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

}  // namespace zarvik3
