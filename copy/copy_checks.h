#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "copy/content_compare.h"
#include "copy/run_log.h"

namespace zarvik3 {

// A copy the run has listed, with what it needs to be failed later.
struct ListedCopy {
    std::string source;
    std::string destination;
    std::uint64_t size = 0;
    FileTime sourceTime;  // as it was copied
    std::size_t line = 0;
    std::string text;  // the line as listed
};

// The copies waiting to be read back from the disk and compared with their sources. They
// wait in batches, so memory stays bounded however many files a run copies.
class CopyChecks {
  public:
    CopyChecks(FileSystem& fs, RunLog& log, ContentCompare& compare)
        : fs_(fs), log_(log), compare_(compare) {}

    void Add(ListedCopy copy) { waiting_.push_back(std::move(copy)); }
    bool Full() const { return waiting_.size() >= kBatch; }
    // Compares each waiting copy, which must be on the disk by now, with its source unless
    // that changed since; one that differs is failed, taken out of the total and marked
    // outdated. A cancel leaves the rest unchecked.
    void Run();
    // The copies never reached the disk, which their run reports already.
    void Drop() { waiting_.clear(); }

  private:
    static constexpr std::size_t kBatch = 4096;

    FileSystem& fs_;
    RunLog& log_;
    ContentCompare& compare_;
    std::vector<ListedCopy> waiting_;
};

}  // namespace zarvik3
