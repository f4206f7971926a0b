#pragma once

#include <windows.h>
// The interface's own name, not the system headers' macro for GetDriveTypeA or W: any file
// that includes windows.h and calls Drives::GetDriveType includes this header.
#undef GetDriveType

#include "platform/drives.h"

namespace zarvik3 {

// Drive letters as the system itself keeps them.
class Win32Drives : public Drives {
  public:
    int GetDriveType(const std::string& root) override;
    std::int64_t DiskTotalSize(const std::string& root) override;
    std::optional<NativePath> ToNativePath(const FolderText& folderText) override;
    std::optional<FolderText> ToFolderText(const NativePath& nativePath) override;
};

}  // namespace zarvik3
