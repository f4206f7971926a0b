#include "platform/posix/volume_key.h"

#include <filesystem>

namespace zarvik3 {
namespace {

std::string Resolved(const std::string& path) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

// "server:/export" (NFS) or "//server/share" (SMB): the source names the volume itself.
bool IsNetworkSource(const std::string& device) {
    return device.starts_with("//") ||
           (!device.starts_with('/') && device.find(":/") != device.npos);
}

}  // namespace

std::map<std::string, std::string> UuidsOfDevices(const std::string& byUuidFolder) {
    std::map<std::string, std::string> uuids;
    std::error_code error;
    for (std::filesystem::directory_iterator links(byUuidFolder, error), end;
         !error && links != end; links.increment(error)) {
        uuids.emplace(Resolved(links->path().string()), links->path().filename().string());
    }
    return uuids;
}

std::string VolumeKey(const MountEntry& mount, const std::map<std::string, std::string>& uuids) {
    if (mount.device.starts_with('/')) {
        const auto uuid = uuids.find(Resolved(mount.device));
        if (uuid != uuids.end()) return "uuid:" + uuid->second;
    }
    if (IsNetworkSource(mount.device)) return "source:" + mount.device;
    return "mount:" + mount.mountPoint;
}

}  // namespace zarvik3
