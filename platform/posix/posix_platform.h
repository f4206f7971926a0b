#pragma once

#include <memory>

#include "platform/platform.h"
#include "platform/posix/drive_map.h"

namespace zarvik3 {

// The POSIX services over one drive map, so a letter means the same folder everywhere.
Platform CreatePosixPlatform(std::shared_ptr<const DriveMap> drives);

}  // namespace zarvik3
