#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zarvik3 {

// How the profile functions store text in a file: a UTF-16 byte-order mark keeps it in
// Unicode; without one, text goes through the ANSI code page.
enum class ProfileForm { Unicode, Ansi };

struct PreparedProfile {
    ProfileForm form = ProfileForm::Ansi;
    bool created = false;  // the file did not exist before
    DWORD error = 0;       // why the file cannot be opened for writing; 0 when it can
};

// Opens the file for writing, creating it when missing; a file still empty gets the
// UTF-16LE byte-order mark first, so that any text written to it survives.
PreparedProfile PrepareProfileForWrite(const std::wstring& path);

// A file (not a folder) with the read-only attribute.
bool IsReadOnlyFile(const std::wstring& path);

// Rewrites a profile file kept in the ANSI code page (or UTF-8 after its mark) in UTF-16LE,
// entries unchanged, and puts it in place by one rename. 0 or the reason it failed.
DWORD ConvertToUnicode(const std::wstring& path);

// True when the ANSI code page holds every character of the text.
bool FitsAnsiCodePage(std::wstring_view text);

}  // namespace zarvik3
