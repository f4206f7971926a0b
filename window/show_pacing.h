#pragma once

#include <algorithm>
#include <chrono>

namespace zarvik3 {

// When a face shows the result lines that came in since it last did. Each showing lays
// out and repaints the list, which costs more than copying a small file, so showings are
// at least the least interval apart, and further when they are slow: painting takes a
// twentieth of the run at most, however long the list grows.
class ShowPacing {
  public:
    using Clock = std::chrono::steady_clock;

    explicit ShowPacing(Clock::duration least = std::chrono::milliseconds(30))
        : least_(least), interval_(least), last_(Clock::now()) {}

    bool Due() const { return Clock::now() - last_ >= interval_; }
    // A showing begins now, or the wait for the next one starts again.
    void Restart() { last_ = Clock::now(); }
    // The showing that began at the last Restart is done; its cost spaces the next.
    void Shown() { interval_ = std::max(least_, 19 * (Clock::now() - last_)); }
    Clock::duration Interval() const { return interval_; }

  private:
    Clock::duration least_;
    Clock::duration interval_;
    Clock::time_point last_;
};

}  // namespace zarvik3
