#pragma once

#include <string>
#include <vector>

#include "settings/folder_history.h"
#include "settings_test_folder.h"

namespace zarvik3::testing {

class HistoryTest : public SettingsFolderTest {
  protected:
    // Keys "0".. up to the first empty one, as the program sees the section.
    std::vector<std::string> Values(const std::string& section) {
        std::vector<std::string> values;
        SettingsFile file(Profiles(), FolderText());
        for (int key = 0;; ++key) {
            std::string value = file.ReadSetting(section, std::to_string(key));
            if (value.empty()) return values;
            values.push_back(value);
        }
    }

    std::string Value(const std::string& section, int key) {
        SettingsFile file(Profiles(), FolderText());
        return file.ReadSetting(section, std::to_string(key));
    }

    std::vector<std::string> Load(const std::string& section) {
        SettingsFile file(Profiles(), FolderText());
        return LoadHistoryList(file, section);
    }

    void Record(const std::string& from, const std::string& to, const std::string& stamp) {
        SettingsFile file(Profiles(), FolderText());
        RecordLastCopy(file, from, to, fromList, toList, stamp);
    }

    std::vector<std::string> fromList;
    std::vector<std::string> toList;
};

}  // namespace zarvik3::testing
