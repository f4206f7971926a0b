#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "text/date_time.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

inline const std::string kFromSection = "FromBox";
inline const std::string kToSection = "ToFolder";

// [FromBox] values are path, "_", stamp, split at the last "_"; any other section holds
// the bare path.
std::string EntryPath(const std::string& section, const std::string& value);
std::string EntryStamp(const std::string& value);

// The section's entry paths from key "0" up to the first empty key, each listed once,
// empty paths left out.
std::vector<std::string> LoadHistoryList(SettingsFile& file, const std::string& section);

// After a run that copied data, with T the run's stamp (FormatDateTimeText of now): adds
// new folders to the lists and stamps them in the file. An empty text records nothing.
// Throws SettingsWriteError at the first refused write; what was done before stays.
void RecordLastCopy(SettingsFile& file, const std::string& fromText, const std::string& toText,
                    std::vector<std::string>& fromList, std::vector<std::string>& toList,
                    const std::string& stamp);

// The one way a run stamps its history: RecordLastCopy with the stamp of now, which is
// returned for the last-copy display.
std::string StampLastCopy(SettingsFile& file, const std::string& fromText,
                          const std::string& toText, std::vector<std::string>& fromList,
                          std::vector<std::string>& toList, TDateTime now,
                          const LocaleDateSettings& locale);

// The stamp recorded for exactly this From text, if any. The caller does not look up an
// empty text: the last-copy display then stays as it is.
std::optional<std::string> LookupLastCopy(SettingsFile& file, const std::string& fromText);

// Clears text and removes its item from list and its entry from the section; the keys
// left are renumbered from "0" so that they hold the list's items in order. When no item
// equals the text, only the text is cleared.
void DeleteHistoryEntry(SettingsFile& file, std::vector<std::string>& list, std::string& text,
                        const std::string& section);

}  // namespace zarvik3
