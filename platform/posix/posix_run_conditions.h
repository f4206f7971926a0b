#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/posix/drive_map.h"

namespace zarvik3 {

// Reads the mount table (with the settings file's [Drives] section) into the shared drive
// map and the locale's date forms, at each run.
class PosixRunConditions : public RunConditions {
  public:
    // Without a settings path the drive map is left as it is (a map fixed by the caller).
    PosixRunConditions(std::shared_ptr<DriveMap> drives,
                       std::optional<std::string> nativeSettingsPath, SettingsUse use);

    void Refresh() override;
    const LocaleDateSettings& Locale() const override { return locale_; }

  private:
    std::shared_ptr<DriveMap> drives_;
    std::optional<std::string> nativeSettingsPath_;
    SettingsUse use_;
    LocaleDateSettings locale_;
};

}  // namespace zarvik3
