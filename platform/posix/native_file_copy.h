#pragma once

#include <string>

#include "platform/file_system.h"

namespace zarvik3 {

// Replaces destination (a native path) by a copy of source through a hidden temporary file
// beside it, carrying permission bits and times; the old destination survives any failure.
CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress);

}  // namespace zarvik3
