#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/native_location.h"

namespace zarvik3 {

// Opens the file at location for reading it once from start to end; null with the system's
// reason when it cannot be opened. Whether it is a regular file is the caller's to know.
std::unique_ptr<FileReader> OpenFileReader(const NativeLocation& location, ReadFrom from,
                                           std::string& failure);

}  // namespace zarvik3
