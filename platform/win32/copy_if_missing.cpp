#include "platform/win32/copy_if_missing.h"

#include <windows.h>

#include <optional>

namespace zarvik3 {

namespace {

// A settings file beyond this is not one.
constexpr DWORD kMaxBytes = 16 * 1024 * 1024;

std::optional<std::string> ReadWhole(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size{};
    std::optional<std::string> bytes;
    if (GetFileSizeEx(file, &size) && size.QuadPart <= kMaxBytes) {
        std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(content.size());
        if (ReadFile(file, content.data(), wanted, &got, nullptr) && got == wanted) bytes = content;
    }
    CloseHandle(file);
    return bytes;
}

bool WriteNew(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    const bool done = WriteFile(file, bytes.data(), size, &written, nullptr) && written == size &&
                      FlushFileBuffers(file);
    CloseHandle(file);
    return done;
}

}  // namespace

void CopyIfMissing(const std::wstring& from, const std::wstring& to) {
    const auto bytes = ReadWhole(from);
    if (!bytes) return;
    const std::wstring temporary = to + L".new." + std::to_wstring(GetCurrentProcessId());
    // Without the replace flag the move fails when to exists.
    if (!WriteNew(temporary, *bytes) ||
        !MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
    }
}

}  // namespace zarvik3
