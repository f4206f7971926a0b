#include <windows.h>
// After windows.h, which the shell headers build on.
#include <knownfolders.h>
#include <shlobj.h>

#include <optional>

#include "platform/settings_location.h"
#include "platform/win32/copy_if_missing.h"
#include "platform/win32/folder_text_form.h"
#include "platform/win32/long_path.h"
#include "platform/win32/unicode_profile.h"
#include "platform/win32/wide_text.h"

namespace zarvik3 {

namespace {

constexpr std::wstring_view kFileName = L"settings.ini";

std::wstring Joined(std::wstring folder, std::wstring_view name) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder.append(name);
}

// Deep program folders pass the old length limit too.
std::wstring SystemPath(const std::wstring& path) {
    const std::wstring longPath = LongPath(Narrow(path));
    return longPath.empty() ? path : longPath;
}

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(SystemPath(path).c_str());
}

bool Exists(const std::wstring& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Only opening for writing tells: access rights and a read-only medium stand in the way
// too. The attribute is asked as well, since Wine run by root ignores it.
bool MayWriteFile(const std::wstring& path) {
    if (IsReadOnlyFile(SystemPath(path))) return false;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, share, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// A hidden probe file that the system deletes as it is closed.
bool MayCreateIn(const std::wstring& folder) {
    const std::wstring probe =
        Joined(folder, L".settings-probe-" + std::to_wstring(GetCurrentProcessId()));
    const DWORD flags =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE;
    const HANDLE file = CreateFileW(SystemPath(probe).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::optional<std::wstring> KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::optional<std::wstring> folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::optional<std::wstring> RoamingFolder() {
    return KnownFolder(FOLDERID_RoamingAppData);
}

// The installer owns the Program Files trees: a settings file there would outlive the
// program's removal, and only an administrator could write it.
bool IsSystemProgramFolder(const std::wstring& folder) {
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86}) {
        const std::optional<std::wstring> programs = KnownFolder(id);
        if (!programs || programs->empty() || folder.size() < programs->size()) continue;
        const bool within = folder.size() == programs->size() || folder[programs->size()] == L'\\';
        if (within && CompareStringOrdinal(folder.c_str(), static_cast<int>(programs->size()),
                                           programs->c_str(), static_cast<int>(programs->size()),
                                           TRUE) == CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

bool IsDriveOnly(const std::wstring& path) {
    return path.size() == 2 && path[1] == L':';
}

DWORD MakeFolderTree(const std::wstring& folder) {
    if (folder.empty() || IsDriveOnly(folder)) return ERROR_PATH_NOT_FOUND;
    const DWORD attributes = Attributes(folder);
    if (attributes != INVALID_FILE_ATTRIBUTES) return IsFolder(attributes) ? 0 : ERROR_DIRECTORY;
    const std::size_t cut = folder.find_last_of(L"\\/");
    if (cut != std::wstring::npos && cut > 0) {
        const std::wstring parent = folder.substr(0, cut);
        if (!IsDriveOnly(parent) && !Exists(parent)) {
            if (const DWORD error = MakeFolderTree(parent)) return error;
        }
    }
    if (CreateDirectoryW(SystemPath(folder).c_str(), nullptr)) return 0;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS && IsFolder(Attributes(folder)) ? 0 : error;
}

}  // namespace

int MakeSettingsFolder(const NativePath& folder) {
    return static_cast<int>(MakeFolderTree(Widen(folder.Text())));
}

SettingsLocation LocateSettingsFile(const NativePath& programFolder, SettingsUse use) {
    // A relative folder would put the file wherever the current folder happens to be.
    const std::string folder = FolderTextOfNative(programFolder.Text()).value_or("");
    const std::wstring beside = Joined(Widen(folder), kFileName);
    const DWORD besideAttributes = folder.empty() ? INVALID_FILE_ATTRIBUTES : Attributes(beside);
    const bool besideExists = besideAttributes != INVALID_FILE_ATTRIBUTES;
    // A read-only caller takes the file beside the program when there is one, and probes
    // nothing.
    const bool readOnly = use == SettingsUse::ReadOnly;
    const bool mayKeepBeside =
        !folder.empty() && !IsSystemProgramFolder(Widen(folder)) &&
        (besideExists ? readOnly || MayWriteFile(beside) : !readOnly && MayCreateIn(Widen(folder)));
    if (mayKeepBeside) {
        return {NativePath(Narrow(beside)), {}};
    }
    const auto roaming = RoamingFolder();
    if (!roaming) return {NativePath(Narrow(beside)), {}};
    const std::wstring ownFolder = Joined(*roaming, L"zarvik3");
    const std::wstring file = Joined(ownFolder, kFileName);
    if (!readOnly && besideExists && !IsFolder(besideAttributes) && !Exists(file) &&
        MakeFolderTree(ownFolder) == 0) {
        CopyIfMissing(SystemPath(beside), SystemPath(file));
    }
    return {NativePath(Narrow(file)), NativePath(Narrow(ownFolder))};
}

NativePath ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0) return {};
        if (got < path.size()) {
            path.resize(got);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L'\\') == std::wstring::npos ? 0 : path.find_last_of(L'\\'));
    if (IsDriveOnly(path)) path += L'\\';
    const std::string native = Narrow(path);
    return NativePath(FolderTextOfNative(native).value_or(native));
}

}  // namespace zarvik3
