#include "platform/win32/win32_profile_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/profile_entry_rules.h"
#include "platform/win32/folder_text_form.h"
#include "platform/win32/profile_rules.h"
#include "platform/win32/system_message.h"
#include "platform/win32/unicode_profile.h"
#include "platform/win32/wide_text.h"

namespace zarvik3 {

namespace {

// Far beyond any value of a settings file; keeps a careless buffer size from exhausting memory.
constexpr std::size_t kMaxValueChars = 1 << 20;

bool HoldsNul(const std::string& text) {
    return text.find('\0') != std::string::npos;
}

// Always absolute: given a bare name, the profile functions would use the Windows folder.
std::optional<std::wstring> FullPath(const std::string& path) {
    const auto native = NativeOfFolderText(path);
    if (!native) return std::nullopt;
    const std::wstring wide = Widen(*native);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return std::nullopt;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

const wchar_t* OrNull(const std::optional<std::wstring>& text) {
    return text ? text->c_str() : nullptr;
}

std::optional<std::wstring> WidenIfGiven(const std::string* text) {
    return text != nullptr ? std::optional(Widen(*text)) : std::nullopt;
}

// Opens the file for writing; one kept in the ANSI code page turns Unicode first when the
// text needs it. 0 or the reason it cannot take the text.
DWORD MakeReadyFor(const std::wstring& text, const std::wstring& file, PreparedProfile& prepared) {
    prepared = PrepareProfileForWrite(file);
    if (prepared.error != 0 || prepared.form == ProfileForm::Unicode || FitsAnsiCodePage(text)) {
        return prepared.error;
    }
    // The profile functions would keep a cached copy of the file as it was.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
    return ConvertToUnicode(file);
}

}  // namespace

std::string Win32ProfileFile::GetString(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& defaultValue,
                                        std::size_t bufferSize) {
    const auto file = FullPath(path);
    if (!file || HoldsNul(section) || HoldsNul(key)) {
        return CutToBuffer(TrimTrailingBlanks(defaultValue), bufferSize);
    }
    if (bufferSize <= 1) return {};
    const auto size = static_cast<DWORD>(std::min(bufferSize, kMaxValueChars));
    std::wstring value(size, L'\0');
    const DWORD got =
        GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                 Widen(defaultValue).c_str(), value.data(), size, file->c_str());
    value.resize(got);
    // A cut between the two halves of a character leaves half a character.
    if (got + 1 == size && !value.empty() && IS_HIGH_SURROGATE(value.back())) value.pop_back();
    return CutToBuffer(Narrow(value), bufferSize);
}

bool Win32ProfileFile::WriteString(const std::string* section, const std::string* key,
                                   const std::string* value, const std::string& path) {
    const auto file = FullPath(path);
    if (section == nullptr && key == nullptr && value == nullptr) {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, OrNull(file));
        return true;
    }
    failure_ = {};
    if (!file) return Refuse("", SystemMessage(ERROR_INVALID_NAME));
    if (section == nullptr) return Refuse(Narrow(*file), SystemMessage(ERROR_INVALID_PARAMETER));
    if (auto refusal = ProfileEntryRefusal(*section, key, value)) {
        return Refuse(Narrow(*file), std::move(*refusal));
    }
    return Store(*file, *section, key, value);
}

bool Win32ProfileFile::Store(const std::wstring& file, const std::string& section,
                             const std::string* key, const std::string* value) {
    const std::wstring wideSection = Widen(section);
    const auto wideKey = WidenIfGiven(key);
    const auto wideValue = WidenIfGiven(value);
    PreparedProfile prepared;
    // A deletion must not create the file it deletes from.
    if (value != nullptr || GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::wstring text = wideSection + wideKey.value_or(L"") + wideValue.value_or(L"");
        if (const DWORD error = MakeReadyFor(text, file, prepared)) {
            return Refuse(Narrow(file), SystemMessage(error));
        }
    }
    if (WritePrivateProfileStringW(wideSection.c_str(), OrNull(wideKey), OrNull(wideValue),
                                   file.c_str())) {
        return true;
    }
    const DWORD error = GetLastError();
    if (prepared.created) DeleteFileW(file.c_str());
    return Refuse(Narrow(file), error != 0 ? SystemMessage(error)
                                           : std::string("The settings file could not be written"));
}

bool Win32ProfileFile::Refuse(std::string nativePath, std::string reason) {
    failure_ = {std::move(nativePath), std::move(reason)};
    return false;
}

}  // namespace zarvik3
