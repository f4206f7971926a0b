#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace zarvik3 {

// One piece of a strftime format: a literal character or a conversion such as "%-d".
struct FormatItem {
    bool conversion = false;
    char letter = 0;  // the conversion letter, or the literal character
    char flag = 0;    // '-', '_', '0', '^', '#' or 0
};

// Empty for a malformed format (a "%" without a conversion letter). E and O modifiers and
// field widths are dropped; "%%" becomes the literal "%".
std::optional<std::vector<FormatItem>> ParseFormat(std::string_view format);

// Replaces the composite conversions by their parts: %D, %F, %T, %R, and %r by the
// 12-hour time format given.
std::vector<FormatItem> ExpandComposites(const std::vector<FormatItem>& items,
                                         const std::vector<FormatItem>& twelveHourTime);

}  // namespace zarvik3
