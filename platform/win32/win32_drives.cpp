#include "platform/win32/win32_drives.h"

#include <limits>

#include "platform/win32/folder_text_form.h"
#include "text/char_checks.h"

namespace zarvik3 {

namespace {

// "X:\" for "X:\" or "X:"; the system would take any other text as some folder's path, and
// "X:" alone as the drive's current folder.
std::optional<std::wstring> RootOf(const std::string& root) {
    if (root.size() != 2 && root.size() != 3) return std::nullopt;
    if (!IsAsciiLetter(root[0]) || root[1] != ':' || (root.size() == 3 && root[2] != '\\')) {
        return std::nullopt;
    }
    return std::wstring{static_cast<wchar_t>(root[0]), L':', L'\\'};
}

}  // namespace

int Win32Drives::GetDriveType(const std::string& root) {
    const auto folder = RootOf(root);
    return folder ? static_cast<int>(GetDriveTypeW(folder->c_str())) : kDriveNoRoot;
}

std::int64_t Win32Drives::DiskTotalSize(const std::string& root) {
    const auto folder = RootOf(root);
    if (!folder) return -1;
    // An empty removable drive fails the query instead of prompting the user for a disk.
    DWORD previous = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous);
    ULARGE_INTEGER total{};
    const BOOL known = GetDiskFreeSpaceExW(folder->c_str(), nullptr, &total, nullptr);
    SetThreadErrorMode(previous, nullptr);
    if (!known) return -1;
    constexpr auto kLargest = static_cast<ULONGLONG>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(total.QuadPart > kLargest ? kLargest : total.QuadPart);
}

std::optional<NativePath> Win32Drives::ToNativePath(const FolderText& folderText) {
    std::optional<std::string> native = NativeOfFolderText(folderText);
    if (!native) return std::nullopt;
    return NativePath(std::move(*native));
}

std::optional<FolderText> Win32Drives::ToFolderText(const NativePath& nativePath) {
    return FolderTextOfNative(nativePath.Text());
}

}  // namespace zarvik3
