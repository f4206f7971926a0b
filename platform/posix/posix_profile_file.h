#pragma once

#include <sys/stat.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/posix/drive_map.h"
#include "platform/posix/ini_document.h"
#include "platform/profile_file.h"

namespace zarvik3 {

// Profile files on Linux. Each file is parsed once and kept until the flush call (or until
// it changes on disk); every write replaces the file atomically.
class PosixProfileFile : public ProfileFile {
  public:
    // Paths are folder texts mapped through drives; with null drives they are native paths.
    explicit PosixProfileFile(std::shared_ptr<const DriveMap> drives);

    // For reading the drive map itself, before any map exists.
    static PosixProfileFile ForNativePaths() { return PosixProfileFile(nullptr); }

    std::string GetString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) override;

    bool WriteString(const std::string* section, const std::string* key, const std::string* value,
                     const std::string& path) override;

    ProfileWriteFailure LastWriteFailure() const override { return failure_; }

  private:
    struct CachedFile {
        struct stat status;
        IniDocument document;
    };
    enum class FileState { Missing, Readable, Unusable };

    std::optional<std::string> NativePath(const std::string& path) const;
    const CachedFile* Load(const std::string& nativePath, FileState& state, int& error);
    bool Store(const std::string& nativePath, const std::string& section, const std::string* key,
               const std::string* value);
    bool Refuse(const std::string& nativePath, std::string reason);
    bool RefuseWithErrno(const std::string& nativePath, int error);

    std::shared_ptr<const DriveMap> drives_;
    std::map<std::string, CachedFile> cache_;
    ProfileWriteFailure failure_;
};

}  // namespace zarvik3
