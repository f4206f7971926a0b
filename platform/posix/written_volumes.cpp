#include "platform/posix/written_volumes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace zarvik3 {

void WrittenVolumes::Note(int fd, dev_t device) {
    if (volumes_.contains(device)) return;
    UniqueFd kept(fcntl(fd, F_DUPFD_CLOEXEC, 0));
    if (kept.Valid()) volumes_.emplace(device, std::move(kept));
}

int WrittenVolumes::SyncAll() {
    int first = 0;
    for (auto& [device, fd] : volumes_) {
        // One call per volume costs far less than one per file, and reports the write-back
        // errors of every file on it.
        if (syncfs(fd.Get()) != 0 && first == 0) first = errno;
    }
    volumes_.clear();
    return first;
}

}  // namespace zarvik3
