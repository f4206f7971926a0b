#include "platform/win32/file_bytes.h"

#include <windows.h>

namespace zarvik3 {

namespace {

// A settings file beyond this is not one.
constexpr LONGLONG kMaxBytes = 16 * 1024 * 1024;

}  // namespace

std::optional<std::string> ReadSmallFile(const std::wstring& path, unsigned long* error) {
    DWORD ignored = 0;
    DWORD& reason = error != nullptr ? *error : ignored;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = GetLastError();
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    std::string bytes;
    DWORD got = 0;
    if (!GetFileSizeEx(file, &size)) {
        reason = GetLastError();
    } else if (size.QuadPart > kMaxBytes) {
        reason = ERROR_FILE_TOO_LARGE;
    } else {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        const auto wanted = static_cast<DWORD>(bytes.size());
        const bool read = ReadFile(file, bytes.data(), wanted, &got, nullptr) && got == wanted;
        reason = read ? 0 : GetLastError();
        if (reason == 0 && !read) reason = ERROR_READ_FAULT;
    }
    CloseHandle(file);
    if (reason != 0) return std::nullopt;
    return bytes;
}

bool WriteNewFile(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    const bool done = WriteFile(file, bytes.data(), size, &written, nullptr) && written == size &&
                      FlushFileBuffers(file);
    CloseHandle(file);
    if (!done) DeleteFileW(path.c_str());
    return done;
}

}  // namespace zarvik3
