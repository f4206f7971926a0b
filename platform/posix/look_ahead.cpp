#include "platform/posix/look_ahead.h"

#include <fcntl.h>

#include <cerrno>
#include <utility>

namespace zarvik3 {
namespace {

constexpr std::size_t kThreads = 8;

}  // namespace

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

void LookAhead::Ask(std::shared_ptr<const UniqueFd> folder, std::vector<std::string> names) {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return busy_ == 0; });
    folder_ = std::move(folder);
    names_.clear();
    for (std::string& name : names) names_.push_back({std::move(name), false, {}});
    next_ = 0;
    while (threads_.size() < kThreads && threads_.size() < names_.size()) {
        threads_.emplace_back([this] { Work(); });
    }
    work_.notify_all();
}

std::optional<LookedUp> LookAhead::Take(const std::string& name) {
    std::unique_lock lock(mutex_);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].name != name) continue;
        if (i >= next_) {
            // Not begun yet: looked up here rather than after those before it.
            names_[i].name.clear();
            const int folder = folder_->Get();
            lock.unlock();
            return LookUp(folder, name.c_str());
        }
        done_.wait(lock, [&] { return names_[i].done; });
        names_[i].name.clear();  // taken once: a second ask looks again
        return names_[i].found;
    }
    return std::nullopt;
}

void LookAhead::Forget() {
    std::unique_lock lock(mutex_);
    next_ = names_.size();
    done_.wait(lock, [this] { return busy_ == 0; });
    names_.clear();
    next_ = 0;
    folder_.reset();
}

void LookAhead::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return stop_ || next_ < names_.size(); });
        if (stop_) return;
        const std::size_t index = next_++;
        const std::string name = names_[index].name;
        const int folder = folder_->Get();
        ++busy_;
        lock.unlock();
        const LookedUp found = name.empty() ? LookedUp{} : LookUp(folder, name.c_str());
        lock.lock();
        names_[index].found = found;
        names_[index].done = true;
        --busy_;
        done_.notify_one();  // only the walk waits there
    }
}

}  // namespace zarvik3
