#include "platform/win32/copy_if_missing.h"

#include <windows.h>

#include "platform/win32/file_bytes.h"

namespace zarvik3 {

void CopyIfMissing(const std::wstring& from, const std::wstring& to) {
    const auto bytes = ReadSmallFile(from);
    if (!bytes) return;
    const std::wstring temporary = to + L".new." + std::to_wstring(GetCurrentProcessId());
    // Without the replace flag the move fails when to exists.
    if (WriteNewFile(temporary, *bytes) &&
        !MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
    }
}

}  // namespace zarvik3
