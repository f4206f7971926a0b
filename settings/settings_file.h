#pragma once

#include <stdexcept>
#include <string>

#include "platform/path_kinds.h"
#include "platform/profile_file.h"

namespace zarvik3 {

// A write to the settings file that the platform refused.
class SettingsWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One group of accesses to the settings file. Opening touches nothing on disk; the
// destructor flushes the platform's cached writes, so every way out releases the file.
class SettingsFile {
  public:
    // folderToCreate: native folder made before the first write, for a file that may not
    // have one yet (see LocateSettingsFile).
    SettingsFile(ProfileFile& profiles, FolderText path, NativePath folderToCreate = {});
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    const std::string& Path() const { return path_; }

    // At most 2047 characters; "" for a missing file, section or key.
    std::string ReadSetting(const std::string& section, const std::string& key);

    // Throws SettingsWriteError "Unable to write to <native path>: <reason>" when refused.
    void WriteSetting(const std::string& section, const std::string& key, const std::string& value);

    // Never throws; false when the platform could not write the file.
    bool DeleteSetting(const std::string& section, const std::string& key);

    // Like DeleteSetting, but a refused removal throws as WriteSetting does.
    void RemoveSetting(const std::string& section, const std::string& key);

  private:
    bool Write(const std::string& section, const std::string& key, const std::string* value);
    [[noreturn]] void ThrowRefusal() const;

    ProfileFile& profiles_;
    std::string path_;
    NativePath folderToCreate_;
};

}  // namespace zarvik3
