#include "platform/win32/long_path.h"

#include "platform/win32/windows_api.h"

#include <string_view>

#include "platform/win32/wide_text.h"

namespace zarvik3 {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";

// Resolves ".", ".." and a relative path here: the system does no such thing behind "\\?\".
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return {};
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

}  // namespace

std::wstring LongPath(const std::string& folderText) {
    const std::wstring wide = Widen(folderText);
    if (wide.starts_with(kLongPrefix)) return wide;
    const std::wstring full = FullPath(wide);
    if (full.empty() || full.starts_with(kLongPrefix) || full.starts_with(kDevicePrefix)) {
        return full;
    }
    if (full.starts_with(L"\\\\")) return std::wstring(kLongPrefix) + L"UNC" + full.substr(1);
    return std::wstring(kLongPrefix) + full;
}

}  // namespace zarvik3
