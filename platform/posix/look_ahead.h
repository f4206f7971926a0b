#pragma once

#include <sys/stat.h>

#include <condition_variable>
#include <cstddef>
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

// Looks up the names the walk will ask for next, several at once, where each look-up is a
// round trip (a network volume, a FUSE driver). Only the names of the latest Ask are kept,
// so memory stays within one request however large the folder.
class LookAhead {
  public:
    LookAhead() = default;
    LookAhead(const LookAhead&) = delete;
    LookAhead& operator=(const LookAhead&) = delete;
    ~LookAhead();

    // Starts looking up names in folder, dropping what an earlier Ask left.
    void Ask(std::shared_ptr<const UniqueFd> folder, std::vector<std::string> names);
    // What is under name, waiting for its look-up or making it; empty when name was not
    // asked for, or was taken before.
    std::optional<LookedUp> Take(const std::string& name);
    // Drops what is asked; waits for the look-ups under way, which use the folder.
    void Forget();

  private:
    struct Name {
        std::string name;
        bool done = false;
        LookedUp found;
    };
    void Work();

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable work_;  // names to look up, or the end
    std::condition_variable done_;  // a look-up done
    std::shared_ptr<const UniqueFd> folder_;
    std::vector<Name> names_;
    std::size_t next_ = 0;  // the first name no thread has taken
    std::size_t busy_ = 0;
    bool stop_ = false;
};

}  // namespace zarvik3
