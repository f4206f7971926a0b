#pragma once

#include <sys/stat.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/native_file_copy.h"
#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// A small file's copy handed over: its source open, its destination's folder open.
struct HandedCopy {
    UniqueFd source;
    struct stat status {};
    std::shared_ptr<const UniqueFd> folder;
    std::string destination;  // native
    bool missing = false;     // nothing at all was under the name a moment ago
    std::string reportAs;
};

// Copies small files on threads of their own, several at once, where every step of a copy
// is a round trip (a network volume, a FUSE driver) and the walk would otherwise wait for
// each in turn. Each thread stages its copies in a session of its own, so they too are
// named only once their data is on the disk. A copy handed over counts as staged: how it
// ended, failed or named, comes back through TakeNamed. At most a few copies wait, so
// memory stays flat however large the tree.
class CopyWorkers {
  public:
    CopyWorkers() = default;
    CopyWorkers(const CopyWorkers&) = delete;
    CopyWorkers& operator=(const CopyWorkers&) = delete;
    ~CopyWorkers();

    // Waits while the queue is full.
    void Hand(HandedCopy copy);
    std::vector<NamedCopy> TakeNamed();
    // Finishes every copy handed over, names what they staged and syncs what they wrote:
    // 0 or the first error.
    int Sync();
    // Finishes every copy handed over and forgets what the sessions learnt.
    void Restart();

  private:
    struct Worker {
        CopySession session;
        std::thread thread;
    };
    void Work(Worker& worker);
    void WaitIdle();

    std::vector<std::unique_ptr<Worker>> workers_;
    std::mutex mutex_;
    std::condition_variable work_;  // copies to make, or the end
    std::condition_variable room_;  // a copy taken or ended
    std::deque<HandedCopy> queue_;
    std::size_t busy_ = 0;
    bool stop_ = false;
    std::vector<NamedCopy> failed_;
};

}  // namespace zarvik3
