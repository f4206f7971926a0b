#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/posix/unique_fd.h"

namespace zarvik3 {

// An unnamed file made ahead, the bits it was made with and whether making it took long.
struct ReadyFile {
    UniqueFd file;
    mode_t mode = 0;
    bool dear = false;
};

// Making a file that takes longer than this is dear: it costs more than the rest of a small
// file's copy, as on ext4 without a journal, which passes over every inode freed in the last
// minutes before it takes one.
bool IsDearToMake(std::chrono::steady_clock::duration took);

// Makes unnamed files (O_TMPFILE) in the folder being copied into on a thread of its own,
// ahead of the copies that take them, for volumes where making a file is dear: the walk
// goes on copying meanwhile. A file not taken is closed, which frees it;
// none ever has a name, so nothing is left behind. Not to be used across fork().
class UnnamedFilePool {
  public:
    UnnamedFilePool() = default;
    UnnamedFilePool(const UnnamedFilePool&) = delete;
    UnnamedFilePool& operator=(const UnnamedFilePool&) = delete;
    ~UnnamedFilePool();

    // A file made in the open folder named key, or an invalid one when none is ready. A new
    // key turns the pool to that folder (a descriptor of its own), making files with mode.
    ReadyFile Take(int folder, const std::string& key, mode_t mode);
    // Frees what is ready and makes nothing until the next Take.
    void Clear();

  private:
    void Aim(int folder, const std::string& key, mode_t mode);
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    // Shared with a file being made, so a turn to another folder cannot close it meanwhile.
    std::shared_ptr<const UniqueFd> folder_;
    std::string key_;
    mode_t mode_ = 0600;
    std::uint64_t aim_ = 0;  // counts the turns, so a file made for an old folder is dropped
    std::deque<ReadyFile> ready_;
    bool refused_ = false;  // the folder turned a file down: make no more there
    bool stop_ = false;
    std::thread worker_;
};

}  // namespace zarvik3
