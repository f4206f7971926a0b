#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/volume_resolution.h"
// Undoes the system headers' macros of the same names, wherever this class is seen.
#include "platform/win32/windows_api.h"

namespace zarvik3 {

// The file system of folder texts, which on Windows are the native paths.
class Win32FileSystem : public FileSystem {
  public:
    Win32FileSystem();

    using FileSystem::FindFirst;
    std::unique_ptr<DirEnumeration> FindFirst(const std::string& pattern, std::uint32_t filter,
                                              EntryDetail detail, std::string& failure) override;
    FileStamp FileAge(const std::string& path) override;
    DestinationState StateOf(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    CopyOutcome CreateDirectory(const std::string& path, const std::string& like) override;
    CopyOutcome CopyFile(const std::string& source, const std::string& destination,
                         CopyProgress& progress) override;
    void SweepLeftovers(const std::string& folder) override;
    bool MarkOutdated(const std::string& path) override;
    std::unique_ptr<FileReader> OpenRead(const std::string& path, ReadFrom from,
                                         std::string& failure) override;
    bool SameFolder(const std::string& a, const std::string& b) override;
    bool SetCurrentDirectory(const std::string& path) override;
    void Refresh() override;

  private:
    // Fixed for a run, so that a source and its copy shift together whatever the season.
    std::int64_t localOffset_;
    VolumeResolutions resolutions_;
};

}  // namespace zarvik3
