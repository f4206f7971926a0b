#pragma once

#include <string>

#include "copy/run_log.h"
#include "copy/staged_lines.h"
#include "platform/file_system.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// The recursive walk that copies missing or older files from the source tree; one run's.
class TreeCopy {
  public:
    TreeCopy(FileSystem& fs, RunLog& log, const LocaleDateSettings& locale)
        : fs_(fs), log_(log), locale_(locale), staged_(fs, log) {}

    // Visits pathName, the From folder text with its closing backslash, and, when asked,
    // its subfolders depth first.
    void FileSearch(const std::string& pathName, const std::string& mask, bool includeSubfolders);
    // Has the file system name what the walk left staged and bring the copies to the disk;
    // a copy that could not be named is marked failed and taken out of the total.
    CopyOutcome Flush();

  private:
    // Per-walk state, fixed when the walk starts.
    struct Walk;
    void Visit(const std::string& pathName, const std::string& mask, bool includeSubfolders,
               Walk& walk);

    FileSystem& fs_;
    RunLog& log_;
    const LocaleDateSettings& locale_;
    StagedLines staged_;
};

}  // namespace zarvik3
