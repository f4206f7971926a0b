#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/posix/written_volumes.h"

namespace zarvik3 {

// Replaces destination (a native path) by a copy of source through a hidden, locked
// temporary file beside it, carrying permission bits and times (and, for root, owner and
// group); the old destination survives any failure, and a source that changes while it is
// copied is not published. The volume written is noted in written.
CopyOutcome CopyNativeFile(const std::string& source, const std::string& destination,
                           CopyProgress& progress, WrittenVolumes& written);

}  // namespace zarvik3
