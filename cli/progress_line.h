#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace zarvik3::cli {

// "  61 %  1.2 GB of 2.0 GB  350.0 MB/s": done of size bytes after seconds.
std::string ProgressText(std::uint64_t done, std::uint64_t size, double seconds);

// A long file's progress on a terminal: one line, rewritten in place, that shows once the
// file has taken a while and goes before anything else is printed.
class ProgressLine {
  public:
    // Null: nothing is ever shown, as on a pipe or a log.
    explicit ProgressLine(std::ostream* out) : out_(out) {}

    // done 0 starts a file.
    void Update(std::uint64_t done, std::uint64_t size);
    void Clear();

  private:
    using Clock = std::chrono::steady_clock;

    std::ostream* out_;
    Clock::time_point fileStart_;
    Clock::time_point shownAt_;
    bool shown_ = false;
};

}  // namespace zarvik3::cli
