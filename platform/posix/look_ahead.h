#pragma once

#include <sys/stat.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// What a look-up found under a name, links followed.
struct LookedUp {
    std::optional<struct stat> status;
    bool nameFree = false;  // nothing at all is there, not even a link that leads nowhere
};

// The status of what a name in folder leads to, links followed.
LookedUp LookUp(int folder, const char* name);

// Looks up the names the walk will ask for next beside the walk: several at once where each
// look-up is a round trip (a network volume, a FUSE driver), on one thread elsewhere, so the
// walk reads its source meanwhile. A name is dropped once taken, so memory stays within what
// the walk has read ahead, however large the folder.
class LookAhead {
  public:
    LookAhead() = default;
    LookAhead(const LookAhead&) = delete;
    LookAhead& operator=(const LookAhead&) = delete;
    ~LookAhead();

    // Adds names in folder, to be looked up on up to threads threads; folder must be the one
    // of the names asked for since the last Forget.
    void Ask(std::shared_ptr<const UniqueFd> folder, std::vector<std::string> names,
             std::size_t threads);
    // What is under name, waiting for its look-up or making it; empty when name was not
    // asked for, or was taken before. Names asked for before it and not taken are dropped.
    std::optional<LookedUp> Take(const std::string& name);
    // Drops what is asked; waits for the look-ups under way, which use the folder.
    void Forget();

  private:
    struct Name {
        std::string name;
        bool done = false;
        bool taken = false;  // by the walk, or passed over by it
        LookedUp found;
    };
    void Work(std::size_t index);
    // Watches count for a short while with lock released, before a wait on a condition.
    void WatchBeforeWaiting(std::unique_lock<std::mutex>& lock,
                            const std::atomic<std::uint64_t>& count) const;
    Name& At(std::size_t number) { return names_[number - first_]; }

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable work_;  // names to look up, or the end
    std::condition_variable done_;  // a look-up done
    std::shared_ptr<const UniqueFd> folder_;
    // Numbered from the first asked since the last Forget; first_ is the number of the front.
    std::deque<Name> names_;
    std::size_t first_ = 0;
    std::size_t next_ = 0;     // the number of the first name no thread has begun
    std::size_t working_ = 0;  // the threads that may take names now
    std::size_t busy_ = 0;
    bool stop_ = false;
    // Bumped at each ask and each batch looked up, for a short wait without sleeping.
    std::atomic<std::uint64_t> asks_{0};
    std::atomic<std::uint64_t> answers_{0};
    // Watching only pays where the other thread runs on another core meanwhile.
    const bool spins_ = std::thread::hardware_concurrency() > 1;
};

}  // namespace zarvik3
