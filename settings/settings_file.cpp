#include "settings/settings_file.h"

#include <utility>

#include "platform/settings_location.h"

namespace zarvik3 {

namespace {

// The buffer the Windows profile read is given; values come back cut to one less.
constexpr std::size_t kReadBufferSize = 2048;

}  // namespace

SettingsFile::SettingsFile(ProfileFile& profiles, FolderText path, NativePath folderToCreate)
    : profiles_(profiles), path_(std::move(path)), folderToCreate_(std::move(folderToCreate)) {}

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

bool SettingsFile::Write(const std::string& section, const std::string& key,
                         const std::string* value) {
    if (value != nullptr && !folderToCreate_.Empty()) {
        // A folder that cannot be made shows as the write's own failure below.
        MakeSettingsFolder(folderToCreate_);
        folderToCreate_ = {};
    }
    return profiles_.WriteString(&section, &key, value, path_);
}

void SettingsFile::ThrowRefusal() const {
    const ProfileWriteFailure failure = profiles_.LastWriteFailure();
    std::string message =
        "Unable to write to " + (failure.nativePath.empty() ? path_ : failure.nativePath);
    if (!failure.reason.empty()) message += ": " + failure.reason;
    throw SettingsWriteError(message);
}

void SettingsFile::WriteSetting(const std::string& section, const std::string& key,
                                const std::string& value) {
    if (!Write(section, key, &value)) ThrowRefusal();
}

bool SettingsFile::DeleteSetting(const std::string& section, const std::string& key) {
    return Write(section, key, nullptr);
}

void SettingsFile::RemoveSetting(const std::string& section, const std::string& key) {
    if (!DeleteSetting(section, key)) ThrowRefusal();
}

}  // namespace zarvik3
