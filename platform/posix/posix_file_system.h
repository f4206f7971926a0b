#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/copy_workers.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/look_ahead.h"
#include "platform/posix/native_file_copy.h"
#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// The file system of folder texts, mapped onto Linux paths through the drive letters.
class PosixFileSystem : public FileSystem {
  public:
    explicit PosixFileSystem(std::shared_ptr<const DriveMap> drives);
    // Keeps its own copy of the map.
    explicit PosixFileSystem(const DriveMap& drives);

    using FileSystem::FindFirst;
    std::unique_ptr<DirEnumeration> FindFirst(const std::string& pattern, std::uint32_t filter,
                                              EntryDetail detail, std::string& failure) override;
    FileStamp FileAge(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    DestinationState StateOf(const std::string& path) override;
    CopyOutcome CreateDirectory(const std::string& path, const std::string& like) override;
    CopyOutcome CopyFile(const std::string& source, const std::string& destination,
                         CopyProgress& progress) override;
    std::vector<NamedCopy> TakeNamed() override;
    void SweepLeftovers(const std::string& folder) override;
    void EnterFolder(const std::string& folder) override;
    void Expect(const std::vector<std::string>& paths) override;
    bool MarkOutdated(const std::string& path) override;
    std::unique_ptr<FileReader> OpenRead(const std::string& path, ReadFrom from,
                                         std::string& failure) override;
    CopyOutcome Flush() override;
    bool SameFolder(const std::string& a, const std::string& b) override;
    bool SetCurrentDirectory(const std::string& path) override;

    void Refresh() override;

  private:
    std::optional<std::string> Native(const std::string& folderText) const;
    std::int64_t ResolutionOf(const std::string& native, dev_t device);
    std::optional<struct stat> StatusInVisitedFolder(const std::string& native, bool& nameFree);
    std::optional<std::string_view> NameInVisitedFolder(const std::string& path) const;
    void ForgetVisitedFolder();
    bool VisitedFolderTakesRoundTrips();
    void FinishSweep();
    std::shared_ptr<const UniqueFd> SharedVisitedFolder();

    std::shared_ptr<const DriveMap> drives_;
    // Fixed for a run, so that a source and its copy shift together whatever the season.
    std::int64_t utcOffset_;
    std::map<dev_t, std::int64_t> resolutions_;
    CopySession copies_;
    CopyWorkers workers_;
    // Whether each step of a copy onto the run's destination is a round trip.
    std::optional<bool> roundTrips_;
    // The sweep of the visited folder, where it runs beside the walk.
    std::future<void> sweep_;
    // The destination folder the walk visits now, held open while it is there.
    UniqueFd visitedFolder_;
    std::string visitedPath_;
    std::string visitedText_;            // its folder text, ending in a backslash
    bool visitedFolderMadeNow_ = false;  // made by this visit, so empty but for its copies
    // The visited folder held open for the copies and look-ups made in it on other threads.
    std::shared_ptr<const UniqueFd> sharedVisited_;
    LookAhead lookAhead_;
    // The folder text of the last name StateOf found free, for the copy that follows.
    std::string missingTarget_;
};

}  // namespace zarvik3
