#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace zarvik3 {

// Key of entry index: decimal, no sign, no leading zeros.
inline std::string HistoryKey(std::size_t index) {
    return std::to_string(index);
}

// Where a search through a section's keys from "0" ended.
struct HistoryScan {
    std::optional<std::size_t> found;  // key whose entry path equals the text
    std::size_t end = 0;               // first empty key when not found
};

HistoryScan FindHistoryKey(SettingsFile& file, const std::string& section, const std::string& path);

// The values of keys "0", "1", ... up to the first empty one.
std::vector<std::string> ReadHistoryValues(SettingsFile& file, const std::string& section);

}  // namespace zarvik3
