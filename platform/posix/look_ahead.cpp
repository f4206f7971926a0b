#include "platform/posix/look_ahead.h"

#include <fcntl.h>

#include <cerrno>
#include <chrono>
#include <utility>

namespace zarvik3 {

LookedUp LookUp(int folder, const char* name) {
    LookedUp found;
    struct stat status {};
    if (fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        found.nameFree = errno == ENOENT;
        return found;
    }
    if (S_ISLNK(status.st_mode) && fstatat(folder, name, &status, 0) != 0) return found;
    found.status = status;
    return found;
}

LookAhead::~LookAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    work_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

void LookAhead::Ask(std::shared_ptr<const UniqueFd> folder, std::vector<std::string> names,
                    std::size_t threads) {
    const std::lock_guard lock(mutex_);
    folder_ = std::move(folder);
    for (std::string& name : names) names_.push_back({std::move(name), false, false, {}});
    working_ = threads;
    asks_.fetch_add(1, std::memory_order_release);
    while (threads_.size() < threads && threads_.size() < names_.size()) {
        threads_.emplace_back([this, index = threads_.size()] { Work(index); });
    }
    if (threads == 1) {
        work_.notify_one();
    } else {
        work_.notify_all();
    }
}

std::optional<LookedUp> LookAhead::Take(const std::string& name) {
    std::unique_lock lock(mutex_);
    std::size_t number = first_;
    while (number < first_ + names_.size() && (At(number).taken || At(number).name != name)) {
        ++number;
    }
    if (number == first_ + names_.size()) return std::nullopt;
    for (std::size_t before = first_; before <= number; ++before) At(before).taken = true;
    std::optional<LookedUp> found;
    if (number >= next_) {
        // Not begun yet: looked up here rather than after those before it.
        At(number).done = true;
        const int folder = folder_->Get();
        lock.unlock();
        found = LookUp(folder, name.c_str());
        lock.lock();
    } else {
        if (!At(number).done) WatchBeforeWaiting(lock, answers_);
        done_.wait(lock, [&] { return At(number).done; });
        found = At(number).found;
    }
    while (!names_.empty() && names_.front().taken && names_.front().done) {
        names_.pop_front();
        ++first_;
    }
    if (next_ < first_) next_ = first_;  // those looked up here are gone
    return found;
}

void LookAhead::Forget() {
    std::unique_lock lock(mutex_);
    working_ = 0;
    done_.wait(lock, [this] { return busy_ == 0; });
    names_.clear();
    first_ = next_ = 0;
    folder_.reset();
}

void LookAhead::Work(std::size_t index) {
    std::vector<std::pair<std::size_t, std::string>> taken;
    std::vector<LookedUp> found;
    std::unique_lock lock(mutex_);
    const auto ready = [&] {
        while (next_ < first_ + names_.size() && At(next_).done) ++next_;  // taken meanwhile
        return stop_ || (index < working_ && next_ < first_ + names_.size());
    };
    for (;;) {
        if (!ready()) WatchBeforeWaiting(lock, asks_);
        work_.wait(lock, ready);
        if (stop_) return;
        // A thread alone takes every name asked for, so the walk is woken once for them all;
        // where each look-up is a round trip, each thread takes one at a time.
        taken.clear();
        do {
            if (!At(next_).done) taken.emplace_back(next_, At(next_).name);
            ++next_;
        } while (working_ == 1 && next_ < first_ + names_.size());
        const int folder = folder_->Get();
        ++busy_;
        lock.unlock();
        found.clear();
        for (const auto& [number, name] : taken) found.push_back(LookUp(folder, name.c_str()));
        lock.lock();
        for (std::size_t i = 0; i < taken.size(); ++i) {
            At(taken[i].first).found = found[i];
            At(taken[i].first).done = true;
        }
        --busy_;
        answers_.fetch_add(1, std::memory_order_release);
        done_.notify_one();  // only the walk waits there
    }
}

// Waking a sleeping thread on another core takes longer than a few local look-ups, so a
// thread about to wait for the other one first watches for its news for a short while.
// Only where one thread looks ahead: several wait on round trips, which take far longer.
void LookAhead::WatchBeforeWaiting(std::unique_lock<std::mutex>& lock,
                                   const std::atomic<std::uint64_t>& count) const {
    if (!spins_ || working_ != 1) return;
    const std::uint64_t seen = count.load(std::memory_order_acquire);
    lock.unlock();
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(100);
    while (count.load(std::memory_order_acquire) == seen &&
           std::chrono::steady_clock::now() < until) {
    }
    lock.lock();
}

}  // namespace zarvik3
