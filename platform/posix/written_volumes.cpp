#include "platform/posix/written_volumes.h"

#include <fcntl.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

namespace zarvik3 {

namespace {

// The kernel's magic numbers (linux/magic.h) of file systems whose syncfs stays here.
constexpr std::array<std::uint32_t, 8> kPassedOnFileByFile{
    0x65735546,  // FUSE: sshfs, exFAT and NTFS drivers in user space, virtiofs
    0x6969,      // NFS
    0x517B,      // smbfs
    0xFF534D42,  // cifs
    0xFE534D42,  // smb2/3
    0x01021997,  // 9p
    0x00C36400,  // ceph
    0x5346414F,  // AFS
};

}  // namespace

bool SyncsWholeVolume(std::uint32_t magic) {
    return std::find(kPassedOnFileByFile.begin(), kPassedOnFileByFile.end(), magic) ==
           kPassedOnFileByFile.end();
}

void WrittenVolumes::Note(int fd, dev_t device) {
    if (volumes_.contains(device)) return;
    Volume volume{UniqueFd(fcntl(fd, F_DUPFD_CLOEXEC, 0))};
    if (!volume.file.Valid()) return;
    struct statfs status {};
    if (fstatfs(fd, &status) == 0) {
        volume.syncsWhole = SyncsWholeVolume(static_cast<std::uint32_t>(status.f_type));
    }
    volumes_.emplace(device, std::move(volume));
}

bool WrittenVolumes::SyncsWhole(dev_t device) const {
    const auto found = volumes_.find(device);
    return found != volumes_.end() && found->second.syncsWhole;
}

int WrittenVolumes::FileOn(dev_t device) const {
    const auto found = volumes_.find(device);
    return found == volumes_.end() ? -1 : found->second.file.Get();
}

int WrittenVolumes::SyncAll() {
    int first = 0;
    for (const auto& [device, volume] : volumes_) {
        // One call per volume costs far less than one per file, and reports the write-back
        // errors of every file on it. Elsewhere a file's own sync is what reaches the disk;
        // on a FUSE volume it also has the driver write what it holds of the volume's folders.
        const int fd = volume.file.Get();
        if ((volume.syncsWhole ? syncfs(fd) : fsync(fd)) != 0 && first == 0) first = errno;
    }
    volumes_.clear();
    return first;
}

}  // namespace zarvik3
