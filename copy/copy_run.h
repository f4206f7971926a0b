#pragma once

#include <string>

#include "copy/copy_observer.h"
#include "copy/copy_request.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// A copy run: the checks, the walk, bringing the copies to the disk, the summary. It shows
// no message and touches no history: its caller does, from the summary.
class CopyRun {
  public:
    CopyRun(FileSystem& fs, Drives& drives, Clock& clock, const LocaleDateSettings& locale)
        : fs_(fs), drives_(drives), clock_(clock), locale_(locale) {}

    // From then on each run first takes the volumes and date forms again.
    void RefreshEachRun(RunConditions& conditions) { conditions_ = &conditions; }

    // Errors of the walk and of the drive check (EConvertError "Not a valid drive letter")
    // end the run by throwing, once the copies made before are named.
    CopySummary Run(const CopyRequest& request, CopyObserver& observer);

    bool DriveAvailable(char letter, CopyObserver& observer);
    bool DiskInDrive(char letter, CopyObserver& observer);

  private:
    FileSystem& fs_;
    Drives& drives_;
    Clock& clock_;
    const LocaleDateSettings& locale_;
    RunConditions* conditions_ = nullptr;
};

}  // namespace zarvik3
