#include "platform/win32/win32_file_system.h"

#include "platform/win32/windows_api.h"

#include <optional>

#include "platform/win32/file_time.h"
#include "platform/win32/leftover_sweep.h"
#include "platform/win32/long_path.h"
#include "platform/win32/system_message.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_copy_file.h"
#include "platform/win32/win32_dir_enumeration.h"
#include "platform/win32/win32_file_reader.h"

namespace zarvik3 {
namespace {

std::optional<WIN32_FILE_ATTRIBUTE_DATA> AttributesOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return data;
}

bool IsFolder(const std::optional<WIN32_FILE_ATTRIBUTE_DATA>& data) {
    return data && (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<BY_HANDLE_FILE_INFORMATION> FolderIdentity(const std::string& path) {
    // Backup semantics: the only way to open a folder; no access asked, so nothing refuses.
    const UniqueHandle folder(CreateFileW(LongPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!folder.Valid() || !GetFileInformationByHandle(folder.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::nullopt;
    }
    return info;
}

CopyOutcome LastFailure() {
    return {false, SystemMessage(GetLastError())};
}

}  // namespace

Win32FileSystem::Win32FileSystem() : localOffset_(CurrentLocalOffset()) {}

void Win32FileSystem::Refresh() {
    localOffset_ = CurrentLocalOffset();
}

// The system matches the name part itself, as every Windows program sees it matched.
std::unique_ptr<DirEnumeration> Win32FileSystem::FindFirst(const std::string& pattern,
                                                           std::uint32_t filter, EntryDetail,
                                                           std::string& failure) {
    failure.clear();
    const auto cut = pattern.find_last_of('\\');
    if (cut == std::string::npos || cut + 1 == pattern.size()) return nullptr;
    // The folder with its backslash, so a drive root stays the root and not the drive's
    // current folder.
    const std::wstring folder = LongPath(pattern.substr(0, cut + 1));
    if (folder.empty()) return nullptr;
    const std::wstring search =
        (folder.ends_with(L'\\') ? folder : folder + L'\\') + Widen(pattern.substr(cut + 1));
    return Win32DirEnumeration::Open(search, filter, localOffset_, failure);
}

FileStamp Win32FileSystem::FileAge(const std::string& path) {
    const auto data = AttributesOf(LongPath(path));
    if (!data || IsFolder(data)) return kNoFile;
    return StampOf(data->ftLastWriteTime, localOffset_);
}

DestinationState Win32FileSystem::StateOf(const std::string& path) {
    DestinationState state;
    const std::wstring native = LongPath(path);
    const auto data = AttributesOf(native);
    if (!data || IsFolder(data)) return state;
    state.stamp = StampOf(data->ftLastWriteTime, localOffset_);
    state.fineTime = FromFileTime(data->ftLastWriteTime);
    state.size = (static_cast<std::uint64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
    state.resolution = resolutions_.Of(native);
    return state;
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
    return IsFolder(AttributesOf(LongPath(path)));
}

// The new folder takes the access rules its parent passes on, as every folder made on
// Windows does; the source's rules name accounts of the machine it came from.
CopyOutcome Win32FileSystem::CreateDirectory(const std::string& path, const std::string&) {
    const std::wstring native = LongPath(path);
    if (native.empty() || !CreateDirectoryW(native.c_str(), nullptr)) return LastFailure();
    return {};
}

CopyOutcome Win32FileSystem::CopyFile(const std::string& source, const std::string& destination,
                                      CopyProgress& progress) {
    const std::wstring from = LongPath(source);
    const std::wstring to = LongPath(destination);
    if (from.empty() || to.empty()) return LastFailure();
    return CopyWin32File(from, to, progress);
}

void Win32FileSystem::SweepLeftovers(const std::string& folder) {
    const std::wstring native = LongPath(folder);
    if (!native.empty()) SweepPartFiles(native);
}

bool Win32FileSystem::MarkOutdated(const std::string& path) {
    const UniqueHandle file(CreateFileW(LongPath(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    // 100 ns ticks from 1601 to 1970, then to 1980.
    const std::uint64_t ticks = (11644473600ULL + kOldestKeptTime) * 10000000ULL;
    const FILETIME written{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    return file.Valid() && SetFileTime(file.Get(), nullptr, nullptr, &written) != 0;
}

std::unique_ptr<FileReader> Win32FileSystem::OpenRead(const std::string& path, ReadFrom from,
                                                      std::string& failure) {
    const std::wstring native = LongPath(path);
    if (native.empty()) {
        failure = SystemMessage(GetLastError());
        return nullptr;
    }
    return OpenWin32FileReader(native, from, failure);
}

bool Win32FileSystem::SameFolder(const std::string& a, const std::string& b) {
    const auto first = FolderIdentity(a);
    const auto second = FolderIdentity(b);
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh &&
           first->nFileIndexLow == second->nFileIndexLow;
}

bool Win32FileSystem::SetCurrentDirectory(const std::string& path) {
    const std::wstring native = LongPath(path);
    return !native.empty() && SetCurrentDirectoryW(native.c_str()) != 0;
}

}  // namespace zarvik3
