#include "platform/win32/unicode_profile.h"

#include "platform/win32/file_bytes.h"

namespace zarvik3 {

namespace {

constexpr unsigned char kLittleEndianMark[2] = {0xFF, 0xFE};

bool IsUnicodeMark(const unsigned char (&head)[2]) {
    return (head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF);
}

PreparedProfile FormOfOpenFile(HANDLE file, bool created) {
    unsigned char head[2] = {};
    DWORD got = 0;
    if (!ReadFile(file, head, sizeof head, &got, nullptr))
        return {ProfileForm::Ansi, created, GetLastError()};
    if (got == sizeof head && IsUnicodeMark(head)) return {ProfileForm::Unicode, created, 0};
    if (got != 0) return {ProfileForm::Ansi, created, 0};
    DWORD written = 0;
    if (!WriteFile(file, kLittleEndianMark, sizeof kLittleEndianMark, &written, nullptr)) {
        return {ProfileForm::Ansi, created, GetLastError()};
    }
    return {ProfileForm::Unicode, created, 0};
}

std::wstring Decoded(std::string_view bytes) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    const bool utf8 = bytes.starts_with(kUtf8Mark);
    if (utf8) bytes.remove_prefix(kUtf8Mark.size());
    if (bytes.empty()) return {};
    const UINT codePage = utf8 ? CP_UTF8 : CP_ACP;
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

}  // namespace

DWORD ConvertToUnicode(const std::wstring& path) {
    DWORD error = 0;
    const auto bytes = ReadSmallFile(path, &error);
    if (!bytes) return error;
    const std::wstring text = Decoded(*bytes);
    std::string unicode(reinterpret_cast<const char*>(kLittleEndianMark), sizeof kLittleEndianMark);
    unicode.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    const std::wstring temporary = path + L".new." + std::to_wstring(GetCurrentProcessId());
    if (!WriteNewFile(temporary, unicode)) return GetLastError();
    if (MoveFileExW(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    error = GetLastError();
    DeleteFileW(temporary.c_str());
    return error;
}

bool IsReadOnlyFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

PreparedProfile PrepareProfileForWrite(const std::wstring& path) {
    // Windows refuses such a file the write; Wine, run by root, would not.
    if (IsReadOnlyFile(path)) return {ProfileForm::Ansi, false, ERROR_ACCESS_DENIED};
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {ProfileForm::Ansi, false, GetLastError()};
    const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    const PreparedProfile prepared = FormOfOpenFile(file, created);
    CloseHandle(file);
    return prepared;
}

bool FitsAnsiCodePage(std::wstring_view text) {
    // The UTF-8 code page holds everything, and refuses the flags asked of the others.
    if (text.empty() || GetACP() == CP_UTF8) return true;
    BOOL lossy = FALSE;
    const int converted =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                            static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
    return converted > 0 && !lossy;
}

}  // namespace zarvik3
