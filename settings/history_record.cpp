#include <algorithm>

#include "settings/folder_history.h"
#include "settings/history_keys.h"
#include "text/date_time_text.h"

namespace zarvik3 {

namespace {

void RecordEntry(SettingsFile& file, const std::string& section, const std::string& path,
                 std::vector<std::string>& list, const std::string& value) {
    if (path.empty()) return;
    if (std::find(list.begin(), list.end(), path) == list.end()) list.push_back(path);
    // A folder recorded before keeps its key; a new one takes the first free key, so it
    // never overwrites another folder's entry.
    const HistoryScan scan = FindHistoryKey(file, section, path);
    file.WriteSetting(section, HistoryKey(scan.found.value_or(scan.end)), value);
}

}  // namespace

void RecordLastCopy(SettingsFile& file, const std::string& fromText, const std::string& toText,
                    std::vector<std::string>& fromList, std::vector<std::string>& toList,
                    const std::string& stamp) {
    RecordEntry(file, kFromSection, fromText, fromList, fromText + "_" + stamp);
    RecordEntry(file, kToSection, toText, toList, toText);
}

std::string StampLastCopy(SettingsFile& file, const std::string& fromText,
                          const std::string& toText, std::vector<std::string>& fromList,
                          std::vector<std::string>& toList, TDateTime now,
                          const LocaleDateSettings& locale) {
    const std::string stamp = FormatDateTimeText(now, locale);
    RecordLastCopy(file, fromText, toText, fromList, toList, stamp);
    return stamp;
}

}  // namespace zarvik3
