#pragma once

#include <cstddef>
#include <string>

#include "window/window_view.h"

namespace zarvik3 {

// The result list's lines, numbered for good so that a run can mark a line failed later;
// a clear starts the count afresh, and a line cleared away is no longer marked.
class ListedLines {
  public:
    explicit ListedLines(WindowView& view) : view_(view) {}

    void Clear();
    std::size_t Append(const std::string& line);
    void MarkFailed(std::size_t line, const std::string& suffix);

    std::size_t Count() const { return next_ - first_; }
    std::size_t FailedCount() const { return failed_; }

  private:
    WindowView& view_;
    std::size_t first_ = 0;  // the number of the top line
    std::size_t next_ = 0;
    std::size_t failed_ = 0;
};

}  // namespace zarvik3
