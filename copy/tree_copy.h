#pragma once

#include <cstddef>
#include <string>

#include "copy/copy_view.h"
#include "copy/process_values.h"
#include "copy/staged_lines.h"
#include "platform/file_system.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// The recursive walk that copies missing or older files from the source tree.
class TreeCopy {
  public:
    TreeCopy(FileSystem& fs, CopyView& view, ProcessValues& values,
             const LocaleDateSettings& locale);

    // Entry point: clears CancelRequested, then visits pathName and, when asked, its
    // subfolders depth first.
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
    CopyView& view_;
    ProcessValues& values_;
    const LocaleDateSettings& locale_;
    StagedLines staged_;
};

}  // namespace zarvik3
