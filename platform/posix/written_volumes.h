#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// The volumes a run wrote to, each held open by one descriptor so it can be synced.
class WrittenVolumes {
  public:
    // fd: a file just written on the volume device.
    void Note(int fd, dev_t device);
    // Whether one sync of the whole volume brings its files to the disk; false for a volume
    // not noted. Network and FUSE volumes keep such a sync on this machine; their files are
    // synced one by one, which they pass on to the server or the volume's driver.
    bool SyncsWhole(dev_t device) const;
    // A descriptor on a noted volume, valid until SyncAll; -1 for a volume not noted.
    int FileOn(dev_t device) const;
    // Syncs every noted volume and forgets them; 0 or the first error met.
    int SyncAll();

  private:
    struct Volume {
        UniqueFd file;
        bool syncsWhole = true;
    };

    std::map<dev_t, Volume> volumes_;
};

// Whether the file system of that statfs magic number takes a whole-volume sync to its disk.
bool SyncsWholeVolume(std::uint32_t magic);

}  // namespace zarvik3
