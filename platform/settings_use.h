#pragma once

namespace zarvik3 {

// Whether the platform may write the settings file (to remember the letters it gives new
// volumes); a run that must change nothing reads it only.
enum class SettingsUse { ReadWrite, ReadOnly };

}  // namespace zarvik3
