#pragma once

#include "platform/file_system.h"

namespace zarvik3 {

// Copies every byte of source to target (both at offset 0), asking progress between
// chunks, often enough that a stop is seen within about 50 ms. Returns 0, ECANCELED when
// progress said stop, or the errno of the call that failed.
int CopyFileData(int source, int target, CopyProgress& progress);

}  // namespace zarvik3
