#include "platform/posix/posix_run_conditions.h"

#include <utility>

#include "platform/locale_items.h"

namespace zarvik3 {

PosixRunConditions::PosixRunConditions(std::shared_ptr<DriveMap> drives,
                                       std::optional<std::string> nativeSettingsPath,
                                       SettingsUse use)
    : drives_(std::move(drives)),
      nativeSettingsPath_(std::move(nativeSettingsPath)),
      use_(use),
      locale_(LoadLocaleDateSettings()) {}

void PosixRunConditions::Refresh() {
    if (nativeSettingsPath_) *drives_ = DriveMap::FromSystem(*nativeSettingsPath_, use_);
    locale_ = LoadLocaleDateSettings();
}

}  // namespace zarvik3
