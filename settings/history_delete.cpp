#include <algorithm>
#include <set>

#include "settings/folder_history.h"
#include "settings/history_keys.h"

namespace zarvik3 {

namespace {

// The section's values without the deleted path and without later repeats of a path,
// which the list never showed and no search ever reached.
std::vector<std::string> KeptValues(const std::vector<std::string>& values,
                                    const std::string& section, const std::string& deleted) {
    std::vector<std::string> kept;
    std::set<std::string> seen;
    for (const std::string& value : values) {
        const std::string path = EntryPath(section, value);
        if (path == deleted || !seen.insert(path).second) continue;
        kept.push_back(value);
    }
    return kept;
}

// Keys "0".. end up holding kept, nothing beyond; unchanged keys are not rewritten.
void RewriteSection(SettingsFile& file, const std::string& section,
                    const std::vector<std::string>& values, const std::vector<std::string>& kept) {
    for (std::size_t key = 0; key < kept.size(); ++key) {
        if (values[key] != kept[key]) file.WriteSetting(section, HistoryKey(key), kept[key]);
    }
    // From the top down, so an interrupted removal leaves no gap in front of stale keys.
    for (std::size_t key = values.size(); key > kept.size(); --key) {
        file.RemoveSetting(section, HistoryKey(key - 1));
    }
}

}  // namespace

void DeleteHistoryEntry(SettingsFile& file, std::vector<std::string>& list, std::string& text,
                        const std::string& section) {
    const std::string deleted = text;
    text.clear();
    const auto item = std::find(list.begin(), list.end(), deleted);
    if (item == list.end()) return;
    list.erase(item);
    const std::vector<std::string> values = ReadHistoryValues(file, section);
    RewriteSection(file, section, values, KeptValues(values, section, deleted));
}

}  // namespace zarvik3
