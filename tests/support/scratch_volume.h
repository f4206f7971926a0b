#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace zarvik3::test {

// A fresh temporary folder of the real file system and the platform's services over it, so
// one test runs against whichever implementation the build chose. Its folder text is a drive
// letter given to it on POSIX and its own native path on Windows. Relative names use
// backslashes or slashes.
class ScratchVolume {
  public:
    ScratchVolume();
    ~ScratchVolume();
    ScratchVolume(const ScratchVolume&) = delete;
    ScratchVolume& operator=(const ScratchVolume&) = delete;

    // The folder text of relative; of the folder itself, with its backslash, when empty.
    std::string Path(const std::string& relative = "") const;
    // The system's own path, for what only one system's calls can set up.
    std::filesystem::path NativePath(const std::string& relative) const;

    FileSystem& Files() { return *platform_.fileSystem; }
    Drives& DriveInfo() { return *platform_.drives; }
    ProfileFile& Profiles() { return *platform_.profiles; }
    Clock& SystemClock() { return *platform_.clock; }
    Platform& Services() { return platform_; }

    // Creates the file with its folders; the time is kept as finely as the volume allows.
    void Write(const std::string& relative, const std::string& bytes,
               FileTime time = {1600000000, 0}) const;
    void Write(const std::string& relative, const std::string& bytes, std::int64_t seconds) const {
        Write(relative, bytes, FileTime{seconds, 0});
    }
    void Append(const std::string& relative, const std::string& bytes) const;
    void SetTime(const std::string& relative, FileTime time) const;
    void SetTime(const std::string& relative, std::int64_t seconds) const {
        SetTime(relative, FileTime{seconds, 0});
    }
    void MakeFolder(const std::string& relative) const;
    void SetReadOnly(const std::string& relative, bool readOnly) const;
    // Hides the file or folder the way the system marks hidden entries: a leading dot on
    // POSIX, the hidden attribute on Windows. The relative name it has now.
    std::string Hide(const std::string& relative) const;
    // A file of size bytes that holds none of them; false when the volume cannot hold it.
    bool WriteSparse(const std::string& relative, std::uint64_t size) const;
    // Keeps this process from listing the folder; false when it cannot be kept out (root,
    // or a system that does not enforce access rights).
    bool LockOut(const std::string& relative) const;

    std::string Read(const std::string& relative) const;
    // The text of a file the profile functions wrote, UTF-16 turned to UTF-8, without a
    // byte-order mark.
    std::string ReadText(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    bool IsReadOnly(const std::string& relative) const;
    FileTime TimeOf(const std::string& relative) const;
    // Entries at any depth, hidden ones included.
    std::size_t EntryCount() const;

    // "C:\" or whichever letter holds the system; and whether it lies on a plain local disk.
    static std::string SystemRoot();
    static bool SystemOnLocalDisk();

  private:
    struct Native;
    std::unique_ptr<Native> native_;
    Platform platform_;
};

// Seconds since 1970 (UTC) of a local wall-clock time under the offset in force now, the
// offset the platform applies to every file time.
std::int64_t LocalWallClock(int year, int month, int day, int hour, int minute, int second);

// Wine answers to this name; tests name where it differs from Windows and skip under it.
bool RunsUnderWine();

}  // namespace zarvik3::test
