#include "platform/win32/win32_copy_file.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win32/part_file.h"
#include "platform/win32/system_message.h"
#include "platform/win32/unique_handle.h"

namespace zarvik3 {
namespace {

constexpr DWORD kChunk = 4 * 1024 * 1024;
// Codes of the program's own, apart from the system's (bit 29 is kept for applications).
constexpr DWORD kCancelled = APPLICATION_ERROR_MASK | 1;
constexpr DWORD kChanged = APPLICATION_ERROR_MASK | 2;
constexpr DWORD kIsFolder = APPLICATION_ERROR_MASK | 3;
constexpr DWORD kCarriedAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

CopyOutcome Failure(DWORD error) {
    if (error == kCancelled) return {false, "cancelled"};
    if (error == kChanged) return {false, "changed while copied"};
    if (error == kIsFolder) return {false, "Is a folder"};
    return {false, SystemMessage(error)};
}

// Others may go on reading and writing the source: a writer shows in the change check.
DWORD OpenSource(const std::wstring& path, UniqueHandle& source, BY_HANDLE_FILE_INFORMATION& info) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return kIsFolder;
    }
    source.Reset(CreateFileW(path.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!source.Valid()) return GetLastError();
    // Only files hold data to copy; a device or pipe would block or act.
    if (GetFileType(source.Get()) != FILE_TYPE_DISK) return ERROR_INVALID_FUNCTION;
    return GetFileInformationByHandle(source.Get(), &info) ? 0 : GetLastError();
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

// The destination's attributes (INVALID_FILE_ATTRIBUTES: no file there) and 0, or why the
// name may not be replaced.
DWORD CheckDestination(const std::wstring& path, const BY_HANDLE_FILE_INFORMATION& source,
                       DWORD& attributes) {
    attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? 0 : error;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return kIsFolder;
    const UniqueHandle existing(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    // A file replaced by its own copy would be lost; Windows' own copy refuses it so.
    if (existing.Valid() && GetFileInformationByHandle(existing.Get(), &info) &&
        SameFile(info, source)) {
        return ERROR_SHARING_VIOLATION;
    }
    return 0;
}

// Up to the size the source had when it was opened: a file that keeps growing (a log being
// written) would otherwise never be done; the change check then turns the copy down.
DWORD CopyData(HANDLE source, HANDLE part, std::uint64_t size, CopyProgress& progress) {
    std::vector<char> buffer(kChunk);
    for (std::uint64_t left = size; left > 0;) {
        const auto wanted = static_cast<DWORD>(std::min<std::uint64_t>(left, kChunk));
        DWORD got = 0;
        if (!ReadFile(source, buffer.data(), wanted, &got, nullptr)) return GetLastError();
        if (got == 0) return 0;  // shrunk meanwhile: the change check tells
        DWORD put = 0;
        if (!WriteFile(part, buffer.data(), got, &put, nullptr)) return GetLastError();
        if (put != got) return ERROR_WRITE_FAULT;
        left -= got;
        progress.Moved(got);
        if (left > 0 && !progress.KeepGoing()) return kCancelled;
    }
    return 0;
}

bool ChangedSince(HANDLE source, const BY_HANDLE_FILE_INFORMATION& start) {
    BY_HANDLE_FILE_INFORMATION now{};
    if (!GetFileInformationByHandle(source, &now)) return true;
    return now.nFileSizeHigh != start.nFileSizeHigh || now.nFileSizeLow != start.nFileSizeLow ||
           CompareFileTime(&now.ftLastWriteTime, &start.ftLastWriteTime) != 0;
}

DWORD AttributesOrNormal(DWORD attributes) {
    return attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// Data, time and attributes into the part file, on the disk; the read-only bit comes last,
// since nothing may be changed after it but the name.
DWORD FillPartFile(PartFile& part, HANDLE source, const BY_HANDLE_FILE_INFORMATION& info,
                   CopyProgress& progress) {
    const std::uint64_t size =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (const DWORD error = CopyData(source, part.Get(), size, progress)) return error;
    const DWORD carried = info.dwFileAttributes & kCarriedAttributes;
    if (const DWORD error = part.SetBasics(AttributesOrNormal(carried & ~FILE_ATTRIBUTE_READONLY),
                                           &info.ftLastWriteTime)) {
        return error;
    }
    if (!FlushFileBuffers(part.Get())) return GetLastError();
    if (ChangedSince(source, info)) return kChanged;
    if ((carried & FILE_ATTRIBUTE_READONLY) == 0) return 0;
    return part.SetBasics(carried, nullptr);
}

// A read-only destination is replaced like any other: its bit is cleared for the rename and
// given back if the rename fails.
DWORD Publish(PartFile& part, const std::wstring& destination, DWORD attributes) {
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    // Only the bits the call may set; the others (compression, reparse point) stay anyway.
    const DWORD settable = attributes & kCarriedAttributes;
    if (readOnly && !SetFileAttributesW(destination.c_str(),
                                        AttributesOrNormal(settable & ~FILE_ATTRIBUTE_READONLY))) {
        return GetLastError();
    }
    const DWORD error = part.Publish();
    if (error != 0 && readOnly) SetFileAttributesW(destination.c_str(), settable);
    return error;
}

}  // namespace

CopyOutcome CopyWin32File(const std::wstring& source, const std::wstring& destination,
                          CopyProgress& progress) {
    UniqueHandle input;
    BY_HANDLE_FILE_INFORMATION info{};
    if (const DWORD error = OpenSource(source, input, info)) return Failure(error);
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (const DWORD error = CheckDestination(destination, info, attributes)) {
        return Failure(error);
    }
    PartFile part;
    if (const DWORD error = part.Create(destination)) return Failure(error);
    if (const DWORD error = FillPartFile(part, input.Get(), info, progress)) {
        return Failure(error);
    }
    if (const DWORD error = Publish(part, destination, attributes)) return Failure(error);
    return {};
}

}  // namespace zarvik3
