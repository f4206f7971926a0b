#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/long_path.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zarvik3::test {

// A fresh folder under the user's temporary folder, made and removed through the system's
// own calls; paths are folder texts.
class Win32TempTree {
  public:
    Win32TempTree() {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        for (unsigned attempt = GetTickCount();; ++attempt) {
            root_ = Narrow(base) + "zarvik3-" + std::to_string(attempt);
            if (CreateDirectoryW(LongPath(root_).c_str(), nullptr)) return;
            if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp folder");
        }
    }
    ~Win32TempTree() { Remove(LongPath(root_)); }
    Win32TempTree(const Win32TempTree&) = delete;
    Win32TempTree& operator=(const Win32TempTree&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

    // Last-write time in seconds since 1970 (UTC); the attributes given last.
    void Write(const std::string& relative, const std::string& content,
               std::int64_t mtime = 1600000000, DWORD attributes = 0) const {
        const std::wstring path = LongPath(Path(relative));
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + relative);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        const FILETIME time = ToFileTime(mtime);
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
        if (attributes != 0) SetFileAttributesW(path.c_str(), attributes);
    }

    std::string Read(const std::string& relative) const {
        HANDLE file =
            CreateFileW(LongPath(Path(relative)).c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        std::string content(1 << 16, '\0');
        DWORD got = 0;
        ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &got, nullptr);
        CloseHandle(file);
        content.resize(got);
        return content;
    }

    DWORD Attributes(const std::string& relative) const {
        return GetFileAttributesW(LongPath(Path(relative)).c_str());
    }

    // Every name in the folder, "." and ".." aside.
    std::vector<std::string> Names(const std::string& relative = "") const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW data{};
        const std::string folder = relative.empty() ? root_ : Path(relative);
        HANDLE search = FindFirstFileW((LongPath(folder) + L"\\*").c_str(), &data);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") names.push_back(Narrow(name));
        } while (FindNextFileW(search, &data));
        FindClose(search);
        return names;
    }

    static FILETIME ToFileTime(std::int64_t unixSeconds) {
        const auto ticks = static_cast<std::uint64_t>(unixSeconds * 10000000 + 116444736000000000);
        return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    }

  private:
    static void Remove(const std::wstring& folder) {
        WIN32_FIND_DATAW data{};
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    Remove(path);
                } else {
                    DeleteFileW(path.c_str());
                }
            } while (FindNextFileW(search, &data));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::string root_;
};

}  // namespace zarvik3::test
