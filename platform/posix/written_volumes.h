#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// How the files written to a volume reach its disk.
enum class VolumeSync {
    Whole,     // one sync of the whole volume (syncfs)
    AnyFile,   // one file's sync, as its driver then writes the whole volume
    EachFile,  // each file's own sync, passed on to a server or a FUSE driver
};

// The volumes a run wrote to, each held open by one descriptor so it can be synced.
class WrittenVolumes {
  public:
    // fd: a file just written on the volume device.
    void Note(int fd, dev_t device);
    // Whether one sync brings every file of the volume to its disk; false for a volume not
    // noted. Network and FUSE volumes keep a whole-volume sync on this machine; their files are
    // synced one by one, which they pass on to the server or the volume's driver.
    bool SyncsWhole(dev_t device) const;
    // How a noted volume is synced; EachFile for one not noted.
    VolumeSync SyncOf(dev_t device) const;
    // A descriptor on a noted volume, valid until SyncAll; -1 for a volume not noted.
    int FileOn(dev_t device) const;
    // Syncs every noted volume and forgets them; 0 or the first error met.
    int SyncAll();

  private:
    struct Volume {
        UniqueFd file;
        VolumeSync sync = VolumeSync::Whole;
    };

    std::map<dev_t, Volume> volumes_;
};

// Whether the file system of that statfs magic number takes a whole-volume sync to its disk.
bool SyncsWholeVolume(std::uint32_t magic);

// How files written to the volume on device, of that statfs magic number, reach its disk.
VolumeSync SyncOfVolume(std::uint32_t magic, dev_t device);

// Syncs as how says, through fd, a file on the volume: 0 or the error.
int SyncVolume(int fd, VolumeSync how);

}  // namespace zarvik3
