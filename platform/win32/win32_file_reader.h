#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace zarvik3 {

// Opens the file at path (a long path) for reading it once from start to end; null with the
// system's reason when it cannot be opened or is a folder.
std::unique_ptr<FileReader> OpenWin32FileReader(const std::wstring& path, ReadFrom from,
                                                std::string& failure);

}  // namespace zarvik3
