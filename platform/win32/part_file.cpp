#include "platform/win32/part_file.h"

#include <cstring>
#include <random>
#include <vector>

#include "platform/part_file_name.h"
#include "platform/win32/wide_text.h"

namespace zarvik3 {
namespace {

constexpr int kNameAttempts = 16;

// The long path's own prefix "\\?\" spelt the way the kernel's rename takes it, "\??\".
std::wstring KernelPath(const std::wstring& longPath) {
    std::wstring path = longPath;
    if (path.starts_with(L"\\\\?\\")) path[1] = L'?';
    return path;
}

std::wstring PartPath(const std::wstring& destination, std::uint64_t random) {
    const auto cut = destination.find_last_of(L'\\');
    const std::wstring name = destination.substr(cut + 1);
    return destination.substr(0, cut + 1) + Widen(PartFileName(Narrow(name), random));
}

}  // namespace

PartFile::~PartFile() {
    if (!handle_.Valid() || published_) return;
    // A read-only file refuses to be deleted, even by the handle that made it.
    SetBasics(FILE_ATTRIBUTE_NORMAL, nullptr);
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(handle_.Get(), FileDispositionInfo, &disposition,
                               sizeof disposition);
}

DWORD PartFile::Create(const std::wstring& destination) {
    destination_ = destination;
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        // CREATE_NEW: never written through a file or link planted under the name.
        handle_.Reset(CreateFileW(PartPath(destination, random()).c_str(),
                                  GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (handle_.Valid()) return 0;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return error;
    }
    return ERROR_FILE_EXISTS;
}

DWORD PartFile::SetBasics(DWORD attributes, const FILETIME* lastWrite) {
    FILE_BASIC_INFO basics{};  // a zero time leaves that time as it is
    if (lastWrite != nullptr) {
        basics.LastWriteTime.LowPart = lastWrite->dwLowDateTime;
        basics.LastWriteTime.HighPart = static_cast<LONG>(lastWrite->dwHighDateTime);
    }
    basics.FileAttributes = attributes;
    return SetFileInformationByHandle(handle_.Get(), FileBasicInfo, &basics, sizeof basics)
               ? 0
               : GetLastError();
}

DWORD PartFile::Publish() {
    const std::wstring target = KernelPath(destination_);
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(rename->FileName, target.c_str(), nameBytes);
    if (!SetFileInformationByHandle(handle_.Get(), FileRenameInfo, rename,
                                    static_cast<DWORD>(buffer.size()))) {
        return GetLastError();
    }
    published_ = true;
    return 0;
}

}  // namespace zarvik3
