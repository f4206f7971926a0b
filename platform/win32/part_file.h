#pragma once

#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/unique_handle.h"

namespace zarvik3 {

// The hidden temporary file a copy is written to beside its destination. Opened without
// sharing, so no other run can open, sweep or delete it while it is written; deleted
// through its own handle unless it was published.
class PartFile {
  public:
    PartFile() = default;
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    ~PartFile();

    // destination: the long path it will replace. 0 or the system's error.
    DWORD Create(const std::wstring& destination);
    HANDLE Get() const { return handle_.Get(); }
    // Sets the attributes kept by a copy (FILE_ATTRIBUTE_NORMAL for none) and, when
    // lastWrite is given, the last-write time.
    DWORD SetBasics(DWORD attributes, const FILETIME* lastWrite);
    // Renames the file over the destination in one step, through the open handle.
    DWORD Publish();

  private:
    UniqueHandle handle_;
    std::wstring destination_;
    bool published_ = false;
};

}  // namespace zarvik3
