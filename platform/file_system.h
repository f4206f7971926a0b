#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_stamp.h"

namespace zarvik3 {

// Seconds from 1970 to 1 January 1980 (UTC), the oldest time every volume keeps.
inline constexpr std::int64_t kOldestKeptTime = 315532800;

// Attribute bits as the Windows enumeration reports them.
enum FileAttribute : std::uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrVolumeLabel = 0x08,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
};

// Filter values: an entry is passed over when its attributes share a bit with
// (hidden + system + volume label + directory) minus the filter's bits.
constexpr std::uint32_t kFilterFiles = 47;    // every file, no folders
constexpr std::uint32_t kFilterFolders = 16;  // folders and plain files, nothing hidden or system

struct DirEntry {
    std::string name;  // bytes exactly as the file system holds them
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    FileStamp time = 0;
    FileTime fineTime;  // the last-write time as the source keeps it, in UTC
};

// What the walk needs to know of a destination name to decide whether to copy onto it.
struct DestinationState {
    FileStamp stamp = kNoFile;  // kNoFile: no file there
    FileTime fineTime;
    std::optional<std::uint64_t> size;
    // Nanoseconds per tick of the times the destination keeps; 0: only the packed stamp
    // can be trusted.
    std::int64_t resolution = 0;
    // False for what only looks like a file: a FIFO or a device in its place.
    bool regular = true;
};

struct CopyOutcome {
    bool ok = true;
    std::string reason;  // why it failed, for a person to read
    // Written whole but not yet named: it takes its name once its data is on the disk, and
    // TakeNamed then tells how that went.
    bool staged = false;
};

// How the naming of a staged copy ended, by the destination the copy was asked for.
struct NamedCopy {
    std::string destination;
    CopyOutcome outcome;
};

// What an enumeration must fill in. With KindOnly only the name and the directory, hidden
// and system bits are reliable, which saves a status call per plain file.
enum class EntryDetail { Full, KindOnly };

class DirEnumeration {
  public:
    virtual ~DirEnumeration() = default;
    // False when no entry is left or reading failed; ReadError then tells which.
    virtual bool Next(DirEntry& entry) = 0;
    // Empty while reading goes well; once it fails, the system's reason.
    virtual std::string ReadError() const { return {}; }
    // True once every entry has been read and none of them, matching or not, could be a
    // folder: a walk then spares itself a second pass over a leaf folder.
    virtual bool MetNoFolder() const { return false; }
};

// Asked between chunks of a copy; false stops the copy, leaving the old destination.
class CopyProgress {
  public:
    virtual ~CopyProgress() = default;
    virtual bool KeepGoing() = 0;
    // Told after each chunk how many bytes it moved, so a long file's progress can show.
    virtual void Moved(std::uint64_t /*bytes*/) {}
};

// Reads one file from its start on, in order.
class FileReader {
  public:
    virtual ~FileReader() = default;
    // Bytes read into buffer (fewer than size only at the end), 0 at the end, -1 on failure.
    virtual std::int64_t Read(char* buffer, std::size_t size) = 0;
    // Why the last Read failed, for a person to read.
    virtual std::string Error() const = 0;
};

// Where a check reads a file from. Disk: what the system caches of it is dropped first, as
// far as the system allows, so a copy just written is read back from the disk itself. Its
// buffer is then aligned to 4096 bytes and read in whole multiples of them.
enum class ReadFrom { Anywhere, Disk };

// The file-system services the walk relies on. Every path is a folder text
// (drive letter, ":\", backslash-separated names).
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Pattern: folder path followed by a name pattern. Empty when there is nothing to
    // deliver; failure is then left empty when nothing matches or the folder is missing
    // (or the name part is empty), and otherwise gets the system's reason the folder could
    // not be read (access denied, a path too long, an I/O error).
    virtual std::unique_ptr<DirEnumeration> FindFirst(const std::string& pattern,
                                                      std::uint32_t filter, EntryDetail detail,
                                                      std::string& failure) = 0;
    // For callers to whom every failure means "nothing there".
    std::unique_ptr<DirEnumeration> FindFirst(const std::string& pattern, std::uint32_t filter,
                                              EntryDetail detail) {
        std::string ignored;
        return FindFirst(pattern, filter, detail, ignored);
    }

    // kNoFile when nothing is there or the name is a folder.
    virtual FileStamp FileAge(const std::string& path) = 0;
    bool FileExists(const std::string& path) { return FileAge(path) != kNoFile; }

    // One status call; by default only what FileAge tells.
    virtual DestinationState StateOf(const std::string& path) {
        DestinationState state;
        state.stamp = FileAge(path);
        return state;
    }

    virtual bool DirectoryExists(const std::string& path) = 0;

    // One level, with the permission bits of the folder like (when not empty and found)
    // and otherwise private to the user; the failure says why it could not be created.
    virtual CopyOutcome CreateDirectory(const std::string& path, const std::string& like) = 0;

    // Replaces the destination atomically, carrying the source's last-write time and
    // permission bits; on failure or cancel the old destination is left untouched. A file
    // system may stage the copy, so that a batch of copies shares one sync before they
    // are named.
    virtual CopyOutcome CopyFile(const std::string& source, const std::string& destination,
                                 CopyProgress& progress) = 0;

    // The staged copies named, or failed, since the last call.
    virtual std::vector<NamedCopy> TakeNamed() { return {}; }

    // Removes the program's own temporary files that no copy is writing any more; the
    // folder is entered as with EnterFolder.
    virtual void SweepLeftovers(const std::string& folder) { EnterFolder(folder); }
    // The walk works in this destination folder next: a hint that spares path lookups.
    virtual void EnterFolder(const std::string& /*folder*/) {}
    // The walk asks StateOf for these paths next, in this order: a hint that lets a file
    // system where each look-up is a round trip make them at once.
    virtual void Expect(const std::vector<std::string>& /*paths*/) {}

    // Sets the file's last-write time to 1 January 1980 (UTC), the oldest every volume keeps,
    // so that the next run copies onto it again; false when it could not.
    virtual bool MarkOutdated(const std::string& path) = 0;

    // Opens a file to read it whole; null with the system's reason when it cannot.
    virtual std::unique_ptr<FileReader> OpenRead(const std::string& path, ReadFrom from,
                                                 std::string& failure) = 0;

    // Names every staged copy and brings to the disk what the copies since the last call
    // wrote.
    virtual CopyOutcome Flush() { return {}; }

    // True when both name the same existing folder, however they are spelt.
    virtual bool SameFolder(const std::string& a, const std::string& b) = 0;

    virtual bool SetCurrentDirectory(const std::string& path) = 0;

    // Takes again what the system may have changed since the last run (the time zone
    // offset); called as each run starts.
    virtual void Refresh() {}
};

// Creates every missing folder on path, outermost first. A trailing backslash is ignored;
// a path shorter than 3 characters, a drive root and an existing folder count as done.
// The innermost folder takes its bits from like, the next from like's parent, and so on
// for the innermost levels + 1 folders; the others are private to the user.
CopyOutcome ForceDirectories(FileSystem& fs, const std::string& path, const std::string& like = "",
                             std::size_t levels = 0);

}  // namespace zarvik3
