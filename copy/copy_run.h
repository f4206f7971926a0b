#pragma once

#include <string>

#include "copy/copy_view.h"
#include "copy/process_values.h"
#include "copy/tree_copy.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// What the Copy button does: checks, the walk, the summary, the history stamp.
class CopyRun {
  public:
    CopyRun(FileSystem& fs, Drives& drives, Clock& clock, CopyView& view, ProcessValues& values,
            const LocaleDateSettings& locale);

    // From then on each run first takes the volumes and date forms again.
    void RefreshEachRun(RunConditions& conditions) { conditions_ = &conditions; }

    void btCopyClick();
    bool DriveAvailable(char letter);
    // Throws EConvertError "Not a valid drive letter".
    bool DiskInDrive(char letter);
    void FlushCopies();
    void ShowSummary();

  private:
    FileSystem& fs_;
    Drives& drives_;
    Clock& clock_;
    CopyView& view_;
    ProcessValues& values_;
    TreeCopy walk_;
    RunConditions* conditions_ = nullptr;
    bool running_ = false;  // a Copy pressed again while events are pumped is ignored
};

}  // namespace zarvik3
