#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "copy/run_log.h"
#include "platform/file_system.h"

namespace zarvik3 {

// The listed copies that the file system has staged but not yet named. Each keeps its line
// and its share of the total until the file system says how its naming went, so that a copy
// whose data never reached the disk is marked failed and not counted.
class StagedLines {
  public:
    StagedLines(FileSystem& fs, RunLog& log) : fs_(fs), log_(log) {}

    // kb: what the copy added to the total.
    void Add(const std::string& destination, std::size_t line, std::string text, std::int64_t kb);
    // Takes in the file system's news of the copies it has named.
    void Settle();

  private:
    struct Staged {
        std::size_t line = 0;
        std::string text;
        std::int64_t kb = 0;
    };

    FileSystem& fs_;
    RunLog& log_;
    std::unordered_map<std::string, Staged> staged_;
};

}  // namespace zarvik3
