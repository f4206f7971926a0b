#pragma once

#include <string>

namespace zarvik3 {

// The two name fragments that keep a file from being copied, taken from the exclusion text.
// An empty fragment never matches, so an empty or "|" text excludes nothing.
struct Exclusions {
    std::string first;
    std::string second;

    // Byte-for-byte, case-sensitive substring test.
    bool Excludes(const std::string& name) const;
};

// "a|b|c" gives a and b; a third fragment is ignored.
Exclusions ParseExclusions(const std::string& text);

}  // namespace zarvik3
