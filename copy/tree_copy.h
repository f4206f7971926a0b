#pragma once

#include <string>

#include "copy/content_compare.h"
#include "copy/copy_checks.h"
#include "copy/copy_request.h"
#include "copy/run_log.h"
#include "copy/staged_lines.h"
#include "platform/file_system.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// The recursive walk that copies missing or older files from the source tree, or, in the
// other modes, lists what it would copy or compares what was copied; one run's.
class TreeCopy {
  public:
    TreeCopy(FileSystem& fs, RunLog& log, const LocaleDateSettings& locale,
             RunMode mode = RunMode::Copy, bool checkCopies = false)
        : fs_(fs),
          log_(log),
          locale_(locale),
          mode_(mode),
          compare_(fs),
          checks_(fs, log, compare_),
          staged_(fs, log, checkCopies ? &checks_ : nullptr),
          checkCopies_(checkCopies) {}

    // Visits pathName, the From folder text with its closing backslash, and, when asked,
    // its subfolders depth first.
    void FileSearch(const std::string& pathName, const std::string& mask, bool includeSubfolders);
    // Has the file system name what the walk left staged and bring the copies to the disk;
    // a copy that could not be named is marked failed and taken out of the total. Copies to
    // be checked are read back then.
    CopyOutcome Flush();

  private:
    // Per-walk state, fixed when the walk starts.
    struct Walk;
    void Visit(const std::string& pathName, const std::string& mask, bool includeSubfolders,
               Walk& walk);

    FileSystem& fs_;
    RunLog& log_;
    const LocaleDateSettings& locale_;
    RunMode mode_;
    ContentCompare compare_;
    CopyChecks checks_;
    StagedLines staged_;
    bool checkCopies_;
};

}  // namespace zarvik3
