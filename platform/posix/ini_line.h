#pragma once

#include <optional>
#include <string_view>

namespace zarvik3 {

// How one line of a profile file reads; every part comes back trimmed.
std::string_view TrimProfileBlanks(std::string_view text);

// The name of a section header ("[ name ] rest"); empty for any other line.
std::optional<std::string_view> SectionHeaderName(std::string_view line);

struct ProfileKeyLine {
    std::string_view key;
    std::string_view value;
};

// A line holding "=" that is not a section header; the split is at the first "=".
std::optional<ProfileKeyLine> SplitKeyLine(std::string_view line);

bool SameProfileName(std::string_view a, std::string_view b);

}  // namespace zarvik3
