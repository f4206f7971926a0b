#include <set>

#include "settings/folder_history.h"
#include "settings/history_keys.h"

namespace zarvik3 {

std::vector<std::string> LoadHistoryList(SettingsFile& file, const std::string& section) {
    std::vector<std::string> list;
    std::set<std::string> listed;
    for (const std::string& value : ReadHistoryValues(file, section)) {
        std::string path = EntryPath(section, value);
        // A blank line in the drop-down names no folder.
        if (path.empty() || !listed.insert(path).second) continue;
        list.push_back(std::move(path));
    }
    return list;
}

std::optional<std::string> LookupLastCopy(SettingsFile& file, const std::string& fromText) {
    if (fromText.empty()) return std::nullopt;
    const HistoryScan scan = FindHistoryKey(file, kFromSection, fromText);
    if (!scan.found) return std::nullopt;
    return EntryStamp(file.ReadSetting(kFromSection, HistoryKey(*scan.found)));
}

}  // namespace zarvik3
