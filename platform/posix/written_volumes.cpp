#include "platform/posix/written_volumes.h"

#include <fcntl.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/drives.h"
#include "platform/posix/volume_type.h"

namespace zarvik3 {

bool SyncsWholeVolume(std::uint32_t magic) {
    // FUSE (sshfs, exFAT and NTFS drivers in user space, virtiofs) and network volumes keep
    // a whole-volume sync on this machine.
    constexpr std::uint32_t kFuse = 0x65735546;
    return magic != kFuse && DriveTypeOfFileSystemMagic(magic) != kDriveRemote;
}

VolumeSync SyncOfVolume(std::uint32_t magic, dev_t device) {
    if (SyncsWholeVolume(magic)) return VolumeSync::Whole;
    // The FUSE driver of exFAT writes every file and folder of the volume at each file's sync,
    // and serves one request at a time: a sync per file would write the volume once per file.
    constexpr std::uint32_t kFuse = 0x65735546;
    return magic == kFuse && HoldsExfat(device) ? VolumeSync::AnyFile : VolumeSync::EachFile;
}

void WrittenVolumes::Note(int fd, dev_t device) {
    if (volumes_.contains(device)) return;
    Volume volume{UniqueFd(fcntl(fd, F_DUPFD_CLOEXEC, 0))};
    if (!volume.file.Valid()) return;
    struct statfs status {};
    if (fstatfs(fd, &status) == 0) {
        volume.sync = SyncOfVolume(static_cast<std::uint32_t>(status.f_type), device);
    }
    volumes_.emplace(device, std::move(volume));
}

bool WrittenVolumes::SyncsWhole(dev_t device) const {
    const auto found = volumes_.find(device);
    return found != volumes_.end() && found->second.sync != VolumeSync::EachFile;
}

VolumeSync WrittenVolumes::SyncOf(dev_t device) const {
    const auto found = volumes_.find(device);
    return found == volumes_.end() ? VolumeSync::EachFile : found->second.sync;
}

int SyncVolume(int fd, VolumeSync how) {
    const bool synced = how == VolumeSync::Whole ? syncfs(fd) == 0 : fsync(fd) == 0;
    return synced ? 0 : errno;
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
        const int error = SyncVolume(volume.file.Get(), volume.sync);
        if (first == 0) first = error;
    }
    volumes_.clear();
    return first;
}

}  // namespace zarvik3
