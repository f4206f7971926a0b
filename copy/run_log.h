#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "copy/copy_observer.h"

namespace zarvik3 {

// One run's side of its observer: the lines it listed, which of them failed, its total and
// whether it was cancelled.
class RunLog {
  public:
    explicit RunLog(CopyObserver& observer) : observer_(observer) {}

    std::size_t List(const std::string& line);
    void FailNewest(const std::string& suffix) { Fail(newest_, newestText_, suffix); }
    void Fail(std::size_t line, const std::string& text, const std::string& suffix);
    // Pumps the observer's events; true from the first cancel on.
    bool Pump();

    CopyObserver& Observer() { return observer_; }
    bool Cancelled() const { return cancelled_; }
    std::size_t Listed() const { return listed_; }
    std::size_t FailedCount() const { return failed_; }

    std::int64_t totalKB = 0;

  private:
    CopyObserver& observer_;
    std::size_t newest_ = 0;
    std::string newestText_;
    std::size_t listed_ = 0;
    std::size_t failed_ = 0;
    bool cancelled_ = false;
};

}  // namespace zarvik3
