#include "platform/win32/volume_resolution.h"

#include "platform/win32/windows_api.h"

namespace zarvik3 {
namespace {

std::wstring FolderOf(const std::wstring& path) {
    const auto cut = path.find_last_of(L'\\');
    return cut == std::wstring::npos ? path : path.substr(0, cut + 1);
}

std::wstring VolumeRoot(const std::wstring& path) {
    std::wstring root(path.size() + 2, L'\0');
    if (!GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size()))) return {};
    root.resize(wcslen(root.c_str()));
    return root;
}

std::int64_t AskVolume(const std::wstring& root) {
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, name,
                               MAX_PATH + 1)) {
        return 0;
    }
    return ResolutionOfFileSystem(name);
}

}  // namespace

std::int64_t ResolutionOfFileSystem(const std::wstring& name) {
    return name == L"NTFS" || name == L"ReFS" ? 100 : 0;
}

// The files of a folder share its volume, which spares the system a look at each prefix of
// the path for every file of a rescan.
std::int64_t VolumeResolutions::Of(const std::wstring& path) {
    const std::wstring folder = FolderOf(path);
    if (folder == lastFolder_) return lastResolution_;
    const std::wstring root = VolumeRoot(path);
    if (root.empty()) return 0;
    auto known = byRoot_.find(root);
    if (known == byRoot_.end()) known = byRoot_.emplace(root, AskVolume(root)).first;
    lastFolder_ = folder;
    lastResolution_ = known->second;
    return lastResolution_;
}

}  // namespace zarvik3
