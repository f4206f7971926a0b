#pragma once

#include <optional>
#include <string>

#include "platform/profile_file.h"

namespace zarvik3 {

// Profile files through the system's own profile functions, kept in Unicode.
class Win32ProfileFile : public ProfileFile {
  public:
    std::string GetString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) override;

    bool WriteString(const std::string* section, const std::string* key, const std::string* value,
                     const std::string& path) override;

    ProfileWriteFailure LastWriteFailure() const override { return failure_; }

  private:
    bool Store(const std::wstring& file, const std::string& section, const std::string* key,
               const std::string* value);
    bool Refuse(std::string nativePath, std::string reason);

    ProfileWriteFailure failure_;
};

}  // namespace zarvik3
