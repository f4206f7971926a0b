#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace zarvik3::test {

// A fresh folder under the system's temporary folder, removed with its files afterwards.
class Win32TempFolder {
  public:
    Win32TempFolder() {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        for (unsigned n = GetTickCount(); folder_.empty(); ++n) {
            const std::wstring candidate = std::wstring(base) + L"zarvik3-" + std::to_wstring(n);
            if (CreateDirectoryW(candidate.c_str(), nullptr)) folder_ = candidate;
        }
    }
    ~Win32TempFolder() { Remove(folder_); }
    Win32TempFolder(const Win32TempFolder&) = delete;
    Win32TempFolder& operator=(const Win32TempFolder&) = delete;

    std::wstring WidePath(const std::wstring& name) const { return folder_ + L"\\" + name; }
    std::string Path(const std::string& name) const { return Narrow(WidePath(Widen(name))); }
    std::string Folder() const { return Narrow(folder_); }

    std::string Read(const std::string& name) const {
        const HANDLE file = CreateFileW(WidePath(Widen(name)).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        std::string bytes(1 << 16, '\0');
        DWORD got = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
        bytes.resize(got);
        return bytes;
    }

    void Write(const std::string& name, const std::string& bytes) const {
        const HANDLE file = CreateFileW(WidePath(Widen(name)).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    bool Exists(const std::string& name) const {
        return GetFileAttributesW(WidePath(Widen(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

  private:
    static void Remove(const std::wstring& path) {
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

    std::wstring folder_;
};

// Wine answers to this name; some tests name where it differs from Windows.
inline bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace zarvik3::test
