#include "platform/posix/posix_run_conditions.h"

#include <utility>

#include "platform/locale_items.h"

namespace zarvik3 {

PosixRunConditions::PosixRunConditions(std::shared_ptr<DriveMap> drives,
                                       std::optional<std::string> nativeSettingsPath,
                                       PosixFileSystem& fileSystem)
    : drives_(std::move(drives)),
      nativeSettingsPath_(std::move(nativeSettingsPath)),
      fileSystem_(fileSystem),
      locale_(LoadLocaleDateSettings()) {}

void PosixRunConditions::Refresh() {
    if (nativeSettingsPath_) *drives_ = DriveMap::FromSystem(*nativeSettingsPath_);
    fileSystem_.TakeUtcOffset();
    locale_ = LoadLocaleDateSettings();
}

}  // namespace zarvik3
