#include "platform/win32/win32_dir_enumeration.h"

#include <string_view>
#include <utility>

#include "platform/win32/file_time.h"
#include "platform/win32/long_name_match.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

namespace zarvik3 {
namespace {

// A missing folder, a folder part that is a file, or no match: nothing to deliver.
bool MeansNothingThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_NO_MORE_FILES || error == ERROR_DIRECTORY;
}

// A file where the pattern expects a folder: Wine tells of an invalid name, Windows of a
// name that is no folder; either way nothing is there.
bool FolderPartIsAFile(const std::wstring& pattern) {
    const std::wstring folder = pattern.substr(0, pattern.find_last_of(L'\\'));
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Only a search that sees every name can tell that a folder holds no subfolder.
bool SeesEveryName(const std::wstring& pattern) {
    const std::wstring_view name =
        std::wstring_view(pattern).substr(pattern.find_last_of(L'\\') + 1);
    return name == L"*" || name == L"*.*";
}

bool IsDotEntry(const wchar_t* name) {
    const std::wstring_view view(name);
    return view == L"." || view == L"..";
}

// Links and junctions to folders are passed over like system folders, so a link cycle
// cannot trap a walk; other reparse points (cloud placeholders, deduplicated files) are
// the folders and files they stand for.
std::uint32_t AttributesOf(const WIN32_FIND_DATAW& data) {
    std::uint32_t attributes = data.dwFileAttributes;
    const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                      (data.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
                       data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
    if (link && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) attributes |= kAttrSystem;
    return attributes;
}

bool IsFileLink(const WIN32_FIND_DATAW& data) {
    return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           data.dwReserved0 == IO_REPARSE_TAG_SYMLINK;
}

// A link to a file counts as that file, as the copy reads through it; a dangling link is a
// system file, never copied. The search itself tells only of the link.
void FollowFileLink(const std::wstring& folder, WIN32_FIND_DATAW& data) {
    const UniqueHandle target(CreateFileW((folder + data.cFileName).c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!target.Valid() || !GetFileInformationByHandle(target.Get(), &info)) {
        data.dwFileAttributes |= FILE_ATTRIBUTE_SYSTEM;
        return;
    }
    data.dwFileAttributes = info.dwFileAttributes;
    data.nFileSizeHigh = info.nFileSizeHigh;
    data.nFileSizeLow = info.nFileSizeLow;
    data.ftLastWriteTime = info.ftLastWriteTime;
}

}  // namespace

std::unique_ptr<Win32DirEnumeration> Win32DirEnumeration::Open(const std::wstring& pattern,
                                                               std::uint32_t filter,
                                                               std::int64_t localOffset,
                                                               std::string& failure) {
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (!MeansNothingThere(error) && !FolderPartIsAFile(pattern)) {
            failure = SystemMessage(error);
        }
        return nullptr;
    }
    std::unique_ptr<Win32DirEnumeration> enumeration(new Win32DirEnumeration(
        search, pattern.substr(0, pattern.find_last_of(L'\\') + 1), filter, localOffset));
    enumeration->current_ = data;
    enumeration->seesEveryName_ = SeesEveryName(pattern);
    enumeration->namePattern_ = pattern.substr(pattern.find_last_of(L'\\') + 1);
    enumeration->haveCurrent_ =
        enumeration->Deliverable(enumeration->current_) || enumeration->Advance();
    if (enumeration->haveCurrent_) return enumeration;
    failure = enumeration->readError_;
    return nullptr;
}

Win32DirEnumeration::Win32DirEnumeration(HANDLE search, std::wstring folder, std::uint32_t filter,
                                         std::int64_t localOffset)
    : search_(search),
      folder_(std::move(folder)),
      passedOverBits_((kAttrHidden | kAttrSystem | kAttrVolumeLabel | kAttrDirectory) & ~filter),
      localOffset_(localOffset) {}

bool Win32DirEnumeration::Next(DirEntry& entry) {
    if (!haveCurrent_ && !Advance()) return false;
    haveCurrent_ = false;
    Describe(entry);
    return true;
}

// Notes what the entry tells of the folder, and whether it is to be delivered.
bool Win32DirEnumeration::Deliverable(WIN32_FIND_DATAW& data) {
    if (IsDotEntry(data.cFileName)) return false;
    if (IsFileLink(data)) FollowFileLink(folder_, data);
    const std::uint32_t attributes = AttributesOf(data);
    if ((attributes & kAttrDirectory) != 0) metFolder_ = true;
    return (attributes & passedOverBits_) == 0 && LongNameMatches(namePattern_, data.cFileName);
}

// Moves current_ to the next entry to deliver; false at the end or on a read failure.
bool Win32DirEnumeration::Advance() {
    if (!readError_.empty() || exhausted_) return false;
    while (FindNextFileW(search_.Get(), &current_)) {
        if (Deliverable(current_)) return true;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_NO_MORE_FILES) {
        exhausted_ = true;
    } else {
        readError_ = SystemMessage(error);
    }
    return false;
}

void Win32DirEnumeration::Describe(DirEntry& entry) const {
    entry.name = Narrow(current_.cFileName);
    entry.attributes = AttributesOf(current_);
    const bool folder = (entry.attributes & kAttrDirectory) != 0;
    entry.size =
        folder ? 0
               : (static_cast<std::uint64_t>(current_.nFileSizeHigh) << 32) | current_.nFileSizeLow;
    entry.time = StampOf(current_.ftLastWriteTime, localOffset_);
    entry.fineTime = FromFileTime(current_.ftLastWriteTime);
}

}  // namespace zarvik3
