#include "platform/posix/unnamed_file_pool.h"

#include <fcntl.h>

#include <utility>

namespace zarvik3 {
namespace {

// Enough to cover the jitter of one copy; every file still ready when the walk leaves a
// folder was made for nothing.
constexpr std::size_t kReadyFiles = 2;
constexpr auto kDearFile = std::chrono::microseconds(100);

}  // namespace

bool IsDearToMake(std::chrono::steady_clock::duration took) {
    return took > kDearFile;
}

UnnamedFilePool::~UnnamedFilePool() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

ReadyFile UnnamedFilePool::Take(int folder, const std::string& key, mode_t mode) {
    ReadyFile taken;
    {
        const std::lock_guard lock(mutex_);
        if (key != key_ || !folder_) {
            Aim(folder, key, mode);
        } else if (!ready_.empty()) {
            taken = std::move(ready_.front());
            ready_.pop_front();
        }
    }
    wake_.notify_one();
    return taken;
}

void UnnamedFilePool::Clear() {
    std::deque<ReadyFile> dropped;
    {
        const std::lock_guard lock(mutex_);
        folder_.reset();
        key_.clear();
        ++aim_;
        dropped.swap(ready_);
    }
}

// Called with the lock held.
void UnnamedFilePool::Aim(int folder, const std::string& key, mode_t mode) {
    ready_.clear();
    ++aim_;
    key_ = key;
    mode_ = mode;
    refused_ = false;
    UniqueFd own(fcntl(folder, F_DUPFD_CLOEXEC, 0));
    folder_ = own.Valid() ? std::make_shared<const UniqueFd>(std::move(own)) : nullptr;
    if (folder_ && !worker_.joinable()) worker_ = std::thread([this] { Run(); });
}

void UnnamedFilePool::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] {
            return stop_ || (folder_ && !refused_ && ready_.size() < kReadyFiles);
        });
        if (stop_) return;
        const auto folder = folder_;
        const mode_t mode = mode_;
        const std::uint64_t aim = aim_;
        lock.unlock();
        const auto start = std::chrono::steady_clock::now();
        ReadyFile made{UniqueFd(openat(folder->Get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode)),
                       mode, false};
        made.dear = IsDearToMake(std::chrono::steady_clock::now() - start);
        lock.lock();
        if (aim != aim_) {
            lock.unlock();  // closing frees the inode: no need to hold the others up
            made.file.Reset();
            lock.lock();
        } else if (!made.file.Valid()) {
            refused_ = true;  // the copy itself meets the reason and reports it
        } else {
            ready_.push_back(std::move(made));
        }
    }
}

}  // namespace zarvik3
