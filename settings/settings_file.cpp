#include "settings/settings_file.h"

#include <utility>

namespace zarvik3 {

namespace {

// The buffer the Windows profile read is given; values come back cut to one less.
constexpr std::size_t kReadBufferSize = 2048;

}  // namespace

std::string SettingsFilePath(const std::string& exeDir) {
    return exeDir + "settings.ini";
}

SettingsFile::SettingsFile(ProfileFile& profiles, std::string path)
    : profiles_(profiles), path_(std::move(path)) {}

SettingsFile::~SettingsFile() {
    // Release must not throw; a failed flush has nothing left to report to.
    try {
        profiles_.WriteString(nullptr, nullptr, nullptr, path_);
    } catch (...) {
    }
}

std::string SettingsFile::ReadSetting(const std::string& section, const std::string& key) {
    return profiles_.GetString(path_, section, key, "", kReadBufferSize);
}

void SettingsFile::WriteSetting(const std::string& section, const std::string& key,
                                const std::string& value) {
    if (!profiles_.WriteString(&section, &key, &value, path_)) {
        throw SettingsWriteError("Unable to write to " + path_);
    }
}

bool SettingsFile::DeleteSetting(const std::string& section, const std::string& key) {
    return profiles_.WriteString(&section, &key, nullptr, path_);
}

void SettingsFile::RemoveSetting(const std::string& section, const std::string& key) {
    if (!DeleteSetting(section, key)) throw SettingsWriteError("Unable to write to " + path_);
}

}  // namespace zarvik3
