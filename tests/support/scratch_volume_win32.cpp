#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <ctime>
#include <stdexcept>
#include <vector>

#include "platform/win32/wide_text.h"
#include "support/scratch_volume.h"

namespace zarvik3::test {
namespace {

// FILETIME counts 100 ns from 1601; FileTime seconds from 1970.
constexpr std::int64_t kSecondsFrom1601 = 11644473600;

FILETIME ToFileTime(FileTime time) {
    const auto ticks = static_cast<std::uint64_t>((time.seconds + kSecondsFrom1601) * 10'000'000 +
                                                  time.nanoseconds / 100);
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

FileTime FromFileTime(FILETIME time) {
    const auto ticks =
        static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
    return {ticks / 10'000'000 - kSecondsFrom1601, ticks % 10'000'000 * 100};
}

void Remove(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") Remove(path + L"\\" + name);
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

std::size_t CountUnder(const std::wstring& folder) {
    std::size_t count = 0;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        ++count;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            count += CountUnder(folder + L"\\" + name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return count;
}

// Sets the folder's access list: none at all (nobody may enter) or empty (everyone may).
bool SetOpen(const std::wstring& folder, bool open) {
    SECURITY_DESCRIPTOR descriptor;
    ACL closed;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !InitializeAcl(&closed, sizeof closed, ACL_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, open ? nullptr : &closed, FALSE)) {
        return false;
    }
    return SetFileSecurityW(folder.c_str(), DACL_SECURITY_INFORMATION, &descriptor);
}

}  // namespace

struct ScratchVolume::Native {
    std::wstring folder;
    mutable std::vector<std::wstring> lockedOut;

    std::wstring Of(std::string relative) const {
        std::replace(relative.begin(), relative.end(), '/', '\\');
        return relative.empty() ? folder : folder + L"\\" + Widen(relative);
    }
    void MakeFolders(const std::wstring& path) const {
        for (std::size_t at = folder.size() + 1; at != std::wstring::npos;) {
            at = path.find(L'\\', at + 1);
            CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
        }
    }
};

ScratchVolume::ScratchVolume() : native_(std::make_unique<Native>()) {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, base);
    for (unsigned n = GetTickCount() ^ GetCurrentProcessId(); native_->folder.empty(); ++n) {
        const std::wstring candidate = std::wstring(base) + L"zarvik3-" + std::to_wstring(n);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) native_->folder = candidate;
    }
    platform_ = CreatePlatform(zarvik3::NativePath(Narrow(native_->Of("settings.ini"))));
}

ScratchVolume::~ScratchVolume() {
    for (const auto& folder : native_->lockedOut) SetOpen(folder, true);
    Remove(native_->folder);
}

std::string ScratchVolume::Path(const std::string& relative) const {
    return Narrow(native_->folder) + "\\" + relative;
}

std::filesystem::path ScratchVolume::NativePath(const std::string& relative) const {
    return native_->Of(relative);
}

void ScratchVolume::Write(const std::string& relative, const std::string& bytes,
                          FileTime time) const {
    const std::wstring path = native_->Of(relative);
    native_->MakeFolders(path.substr(0, path.rfind(L'\\')));
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        throw std::runtime_error("cannot write " + relative);
    }
    CloseHandle(file);
    SetTime(relative, time);
}

void ScratchVolume::Append(const std::string& relative, const std::string& bytes) const {
    const HANDLE file = CreateFileW(native_->Of(relative).c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
}

void ScratchVolume::SetTime(const std::string& relative, FileTime time) const {
    const HANDLE file = CreateFileW(native_->Of(relative).c_str(), FILE_WRITE_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const FILETIME when = ToFileTime(time);
    if (file == INVALID_HANDLE_VALUE || !SetFileTime(file, nullptr, &when, &when)) {
        throw std::runtime_error("cannot set the time of " + relative);
    }
    CloseHandle(file);
}

void ScratchVolume::MakeFolder(const std::string& relative) const {
    native_->MakeFolders(native_->Of(relative));
}

void ScratchVolume::SetReadOnly(const std::string& relative, bool readOnly) const {
    const std::wstring path = native_->Of(relative);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    SetFileAttributesW(path.c_str(), readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                                              : attributes & ~FILE_ATTRIBUTE_READONLY);
}

std::string ScratchVolume::Hide(const std::string& relative) const {
    const std::wstring path = native_->Of(relative);
    SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
    return relative;
}

bool ScratchVolume::WriteSparse(const std::string& relative, std::uint64_t size) const {
    const HANDLE file = CreateFileW(native_->Of(relative).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD ignored = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool grown = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return grown;
}

bool ScratchVolume::LockOut(const std::string& relative) const {
    if (RunsUnderWine()) return false;  // Wine keeps access lists but does not enforce them
    if (!SetOpen(native_->Of(relative), false)) return false;
    native_->lockedOut.push_back(native_->Of(relative));
    return true;
}

std::string ScratchVolume::Read(const std::string& relative) const {
    const HANDLE file =
        CreateFileW(native_->Of(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[1 << 16];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

std::string ScratchVolume::ReadText(const std::string& relative) const {
    const std::string bytes = Read(relative);
    if (bytes.rfind("\xFF\xFE", 0) == 0) {
        std::wstring wide((bytes.size() - 2) / 2, L'\0');
        for (std::size_t i = 0; i < wide.size(); ++i) {
            wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                           static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
        }
        return Narrow(wide);
    }
    return bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? bytes.substr(3) : bytes;
}

bool ScratchVolume::Exists(const std::string& relative) const {
    return GetFileAttributesW(native_->Of(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ScratchVolume::IsReadOnly(const std::string& relative) const {
    const DWORD attributes = GetFileAttributesW(native_->Of(relative).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

FileTime ScratchVolume::TimeOf(const std::string& relative) const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(native_->Of(relative).c_str(), GetFileExInfoStandard, &data)) {
        return {-1, 0};
    }
    return FromFileTime(data.ftLastWriteTime);
}

std::size_t ScratchVolume::EntryCount() const {
    return CountUnder(native_->folder);
}

std::string ScratchVolume::SystemRoot() {
    wchar_t windows[MAX_PATH + 1] = {};
    GetWindowsDirectoryW(windows, MAX_PATH + 1);
    return Narrow(std::wstring(windows, 3));
}

bool ScratchVolume::SystemOnLocalDisk() {
    return true;
}

std::int64_t LocalWallClock(int year, int month, int day, int hour, int minute, int second) {
    std::tm wall{};
    wall.tm_year = year - 1900;
    wall.tm_mon = month - 1;
    wall.tm_mday = day;
    wall.tm_hour = hour;
    wall.tm_min = minute;
    wall.tm_sec = second;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return static_cast<std::int64_t>(_mkgmtime(&wall)) - (_mkgmtime(&local) - now);
}

bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace zarvik3::test
