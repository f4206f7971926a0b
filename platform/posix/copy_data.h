#pragma once

#include <sys/types.h>

#include "platform/file_system.h"

namespace zarvik3 {

// Copies the size bytes of source to target (both at offset 0), asking progress between
// chunks (never after the last one), often enough that a stop is seen within about 50 ms.
// Returns 0, ECANCELED when progress said stop, or the errno of the call that failed.
// With sparse, only the source's data extents are written, and its holes stay holes.
int CopyFileData(int source, int target, off_t size, CopyProgress& progress, bool sparse = false);

}  // namespace zarvik3
