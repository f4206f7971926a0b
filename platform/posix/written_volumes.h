#pragma once

#include <sys/types.h>

#include <map>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// The volumes a run wrote to, each held open by one descriptor so it can be synced.
class WrittenVolumes {
  public:
    // fd: a file just written on the volume device.
    void Note(int fd, dev_t device);
    // Syncs every noted volume and forgets them; 0 or the first error met.
    int SyncAll();

  private:
    std::map<dev_t, UniqueFd> volumes_;
};

}  // namespace zarvik3
