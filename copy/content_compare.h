#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace zarvik3 {

// How a file and its copy compared.
struct Comparison {
    bool cancelled = false;  // stopped between chunks; nothing is known
    std::string difference;  // why they differ, for a person to read; empty when they do not

    bool Same() const { return !cancelled && difference.empty(); }
};

// Compares files with their copies byte for byte, reading both in large chunks, one after
// the other, so each disk reads in order. Its buffers serve every comparison of a run.
class ContentCompare {
  public:
    explicit ContentCompare(FileSystem& fs) : fs_(fs) {}

    // size: the source's size as the walk saw it. progress is told the source's bytes and
    // asked between chunks.
    Comparison Compare(const std::string& source, const std::string& copy, std::uint64_t size,
                       ReadFrom from, CopyProgress& progress);

  private:
    struct Buffer {
        void operator()(char* memory) const;
    };
    using BufferPtr = std::unique_ptr<char[], Buffer>;
    Comparison CompareOpen(FileReader& source, FileReader& copy, std::uint64_t size,
                           CopyProgress& progress);

    FileSystem& fs_;
    BufferPtr source_;
    BufferPtr copy_;
};

}  // namespace zarvik3
