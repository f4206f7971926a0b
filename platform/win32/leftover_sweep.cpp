#include "platform/win32/leftover_sweep.h"

#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/part_file_name.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace zarvik3 {
namespace {

// A copy holds its file open without sharing, so this open fails while it writes; once it
// succeeds, no copy can take the file before it is gone.
void DeleteIfUnused(const std::wstring& path) {
    const UniqueHandle file(CreateFileW(path.c_str(), DELETE | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.Valid()) return;
    FILE_BASIC_INFO basics{};
    basics.FileAttributes = FILE_ATTRIBUTE_NORMAL;  // a read-only file refuses deletion
    SetFileInformationByHandle(file.Get(), FileBasicInfo, &basics, sizeof basics);
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof disposition);
}

}  // namespace

void SweepPartFiles(const std::wstring& folder) {
    const std::wstring prefix = folder.ends_with(L'\\') ? folder : folder + L'\\';
    WIN32_FIND_DATAW data{};
    const UniqueFindHandle search(FindFirstFileExW((prefix + L".*").c_str(), FindExInfoBasic, &data,
                                                   FindExSearchNameMatch, nullptr, 0));
    if (!search.Valid()) return;
    // Collected first: deleting while searching may make the search skip entries.
    std::vector<std::wstring> found;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsPartFileName(Narrow(data.cFileName))) {
            found.push_back(prefix + data.cFileName);
        }
    } while (FindNextFileW(search.Get(), &data));
    for (const std::wstring& path : found) DeleteIfUnused(path);
}

}  // namespace zarvik3
