#pragma once

#include <cstddef>
#include <string>

#include "platform/profile_file.h"

namespace zarvik3::testing {

// Passes every call on to a real profile file, counts flushes and refuses chosen writes.
class RecordingProfileFile : public ProfileFile {
  public:
    explicit RecordingProfileFile(ProfileFile& real) : real_(real) {}

    std::string GetString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) override {
        return real_.GetString(path, section, key, defaultValue, bufferSize);
    }

    bool WriteString(const std::string* section, const std::string* key, const std::string* value,
                     const std::string& path) override {
        if (section == nullptr && key == nullptr && value == nullptr) {
            ++flushes;
            return real_.WriteString(section, key, value, path);
        }
        const bool refused = (value == nullptr && refuseDeletes) ||
                             (value != nullptr && writes++ >= refuseWritesFrom);
        if (refused) return false;
        return real_.WriteString(section, key, value, path);
    }

    int flushes = 0;
    std::size_t writes = 0;
    // Writes with index refuseWritesFrom and later (0-based) are refused.
    std::size_t refuseWritesFrom = static_cast<std::size_t>(-1);
    bool refuseDeletes = false;

  private:
    ProfileFile& real_;
};

}  // namespace zarvik3::testing
