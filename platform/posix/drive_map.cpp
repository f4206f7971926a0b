#include "platform/posix/drive_map.h"

#include <algorithm>

#include "platform/posix/native_path.h"

namespace zarvik3 {
namespace {

std::optional<std::size_t> LetterIndex(char letter) {
    if (letter >= 'a' && letter <= 'z') return static_cast<std::size_t>(letter - 'a');
    if (letter >= 'A' && letter <= 'Z') return static_cast<std::size_t>(letter - 'A');
    return std::nullopt;
}

char LetterAt(std::size_t index) {
    return static_cast<char>('A' + index);
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// A native path under root, or root itself.
bool Covers(const std::string& root, const std::string& path) {
    if (root == "/") return true;
    return path.compare(0, root.size(), root) == 0 &&
           (path.size() == root.size() || path[root.size()] == '/');
}

// Without a better identity, a volume is known by where it is mounted.
std::vector<MountedVolume> VolumesKeyedByMountPoint(const std::vector<std::string>& mountPoints) {
    std::vector<MountedVolume> volumes;
    for (const std::string& mountPoint : mountPoints) volumes.push_back({mountPoint, mountPoint});
    return volumes;
}

}  // namespace

DriveMap::DriveMap(const std::map<char, std::string>& explicitRoots,
                   const std::vector<std::string>& mountedVolumes)
    : DriveMap(explicitRoots, {}, VolumesKeyedByMountPoint(mountedVolumes)) {}

DriveMap::DriveMap(const std::map<char, std::string>& explicitRoots,
                   const std::map<char, std::string>& remembered,
                   const std::vector<MountedVolume>& mountedVolumes) {
    roots_[2] = "/";
    for (const auto& [letter, root] : explicitRoots) {
        const auto index = LetterIndex(letter);
        if (index && IsAbsoluteNativePath(root)) roots_[*index] = NormalNativePath(root);
    }
    std::vector<MountedVolume> volumes;
    for (const MountedVolume& volume : mountedVolumes) {
        if (!IsAbsoluteNativePath(volume.mountPoint)) continue;
        const std::string root = NormalNativePath(volume.mountPoint);
        if (std::find(roots_.begin(), roots_.end(), root) != roots_.end()) continue;
        volumes.push_back({root, volume.key});
    }
    std::array<bool, 26> reserved{};
    for (const auto& assignment : remembered) {
        // Named, not a structured binding, so the lambda below may capture it.
        const auto& key = assignment.second;
        const auto index = LetterIndex(assignment.first);
        if (!index || roots_[*index]) continue;
        reserved[*index] = true;
        const auto owner = std::find_if(volumes.begin(), volumes.end(),
                                        [&](const MountedVolume& v) { return v.key == key; });
        if (owner == volumes.end()) continue;
        roots_[*index] = owner->mountPoint;
        volumes.erase(owner);
    }
    std::size_t next = 3;  // D:
    for (const MountedVolume& volume : volumes) {
        while (next < roots_.size() && (roots_[next] || reserved[next])) ++next;
        if (next == roots_.size()) break;
        roots_[next] = volume.mountPoint;
        newAssignments_[LetterAt(next)] = volume.key;
    }
}

std::optional<std::string> DriveMap::Root(char letter) const {
    const auto index = LetterIndex(letter);
    if (!index) return std::nullopt;
    return roots_[*index];
}

std::optional<std::string> DriveMap::ToNative(const std::string& folderText) const {
    if (folderText.size() < 2 || folderText[1] != ':') return std::nullopt;
    // A NUL would silently cut the path short when it reaches the system.
    if (folderText.find('\0') != std::string::npos) return std::nullopt;
    // "C:Data" means a current folder per drive, which this system does not keep.
    if (folderText.size() > 2 && !IsSeparator(folderText[2])) return std::nullopt;
    const auto root = Root(folderText[0]);
    if (!root) return std::nullopt;
    std::string rest = folderText.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return JoinUnderRoot(*root, rest);
}

std::optional<std::string> DriveMap::ToFolderText(const std::string& nativePath) const {
    if (!IsAbsoluteNativePath(nativePath) || nativePath.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    const std::string path = NormalNativePath(nativePath);
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        if (!roots_[i] || !Covers(*roots_[i], path)) continue;
        if (!best || roots_[i]->size() > roots_[*best]->size()) best = i;
    }
    if (!best) return std::nullopt;
    const std::string& root = *roots_[*best];
    std::string rest = path.substr(root == "/" ? 1 : std::min(root.size() + 1, path.size()));
    // Such a name would read as two names in a folder text.
    if (rest.find('\\') != std::string::npos) return std::nullopt;
    std::replace(rest.begin(), rest.end(), '/', '\\');
    return std::string(1, LetterAt(*best)) + ":\\" + rest;
}

}  // namespace zarvik3
