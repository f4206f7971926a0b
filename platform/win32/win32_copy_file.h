#pragma once

#include <string>

#include "platform/file_system.h"

namespace zarvik3 {

// Replaces destination (a long path) by a copy of source through a hidden temporary file
// beside it, carrying the last-write time and the attributes; the copy is on the disk before
// it takes the destination's name. The old destination survives any failure or cancel, and
// a source that changes while it is copied is not published.
CopyOutcome CopyWin32File(const std::wstring& source, const std::wstring& destination,
                          CopyProgress& progress);

}  // namespace zarvik3
