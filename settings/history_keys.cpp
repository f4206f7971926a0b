#include "settings/history_keys.h"

#include "settings/folder_history.h"

namespace zarvik3 {

std::string EntryPath(const std::string& section, const std::string& value) {
    if (section != kFromSection) return value;
    const std::size_t split = value.rfind('_');
    return split == std::string::npos ? value : value.substr(0, split);
}

std::string EntryStamp(const std::string& value) {
    const std::size_t split = value.rfind('_');
    return split == std::string::npos ? std::string() : value.substr(split + 1);
}

HistoryScan FindHistoryKey(SettingsFile& file, const std::string& section,
                           const std::string& path) {
    for (std::size_t key = 0;; ++key) {
        const std::string value = file.ReadSetting(section, HistoryKey(key));
        if (value.empty()) return HistoryScan{std::nullopt, key};
        if (EntryPath(section, value) == path) return HistoryScan{key, key};
    }
}

std::vector<std::string> ReadHistoryValues(SettingsFile& file, const std::string& section) {
    std::vector<std::string> values;
    for (std::size_t key = 0;; ++key) {
        std::string value = file.ReadSetting(section, HistoryKey(key));
        if (value.empty()) return values;
        values.push_back(std::move(value));
    }
}

}  // namespace zarvik3
