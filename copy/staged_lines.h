#pragma once

#include <string>
#include <unordered_map>

#include "copy/copy_checks.h"
#include "copy/run_log.h"
#include "platform/file_system.h"

namespace zarvik3 {

// The listed copies that the file system has staged but not yet named. Each keeps its line
// and its share of the total until the file system says how its naming went, so that a copy
// whose data never reached the disk is marked failed and not counted.
class StagedLines {
  public:
    // checks, when given, takes each copy once it is named.
    StagedLines(FileSystem& fs, RunLog& log, CopyChecks* checks = nullptr)
        : fs_(fs), log_(log), checks_(checks) {}

    void Add(ListedCopy copy);
    // Takes in the file system's news of the copies it has named.
    void Settle();

  private:
    FileSystem& fs_;
    RunLog& log_;
    CopyChecks* checks_;
    std::unordered_map<std::string, ListedCopy> staged_;
};

}  // namespace zarvik3
