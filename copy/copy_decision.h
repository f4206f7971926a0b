#pragma once

#include "platform/file_system.h"

namespace zarvik3 {

// True when the source entry should be copied onto the destination: it is missing, older
// at the finest resolution both sides keep, or of the same time but another size (a copy
// cut short). A destination newer than its source is never replaced.
bool NeedsCopy(const DirEntry& source, const DestinationState& destination);

}  // namespace zarvik3
