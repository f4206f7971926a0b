#pragma once

#include <dirent.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/entry_status.h"
#include "platform/posix/name_pattern.h"

namespace zarvik3 {

// One open folder, delivering the entries that match a name pattern and pass a filter.
class PosixDirEnumeration : public DirEnumeration {
  public:
    // Takes over the folder; source.folderFd must be its descriptor.
    PosixDirEnumeration(DIR* folder, const EntrySource& source, NamePattern pattern,
                        std::uint32_t filter);

    // Reads ahead to the first entry to deliver; false when there is none.
    bool Prime();
    bool Next(DirEntry& entry) override;
    bool MetNoFolder() const override { return exhausted_ && !metPossibleFolder_; }
    std::string ReadError() const override { return readError_; }

  private:
    struct CloseDir {
        void operator()(DIR* folder) const { closedir(folder); }
    };

    bool ReadDeliverable(DirEntry& entry);
    bool PassedOverByName(const char* name) const;
    void NoteFolderCandidate(const dirent& record);

    std::unique_ptr<DIR, CloseDir> folder_;
    EntrySource source_;
    NamePattern pattern_;
    std::uint32_t passedOverBits_;
    std::optional<DirEntry> pending_;
    std::string readError_;
    bool exhausted_ = false;
    bool metPossibleFolder_ = false;
};

}  // namespace zarvik3
