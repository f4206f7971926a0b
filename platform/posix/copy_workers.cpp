#include "platform/posix/copy_workers.h"

#include <utility>

namespace zarvik3 {
namespace {

// Enough copies in flight to hide a round trip of a millisecond behind the others.
constexpr std::size_t kWorkers = 8;
constexpr std::size_t kWaiting = 2 * kWorkers;
// Each copy waiting for its name holds a descriptor: all the threads' batches together stay
// within what the walk's own may hold.
constexpr std::size_t kFilesPerBatch = 64;

// A small file's copy runs to its end: it takes no longer than a step of a large one.
class Uninterrupted : public CopyProgress {
  public:
    bool KeepGoing() override { return true; }
};

}  // namespace

CopyWorkers::~CopyWorkers() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    work_.notify_all();
    for (const auto& worker : workers_) worker->thread.join();
}

void CopyWorkers::Hand(HandedCopy copy) {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return queue_.size() < kWaiting; });
    queue_.push_back(std::move(copy));
    if (workers_.size() < kWorkers && workers_.size() < queue_.size() + busy_) {
        auto& worker = *workers_.emplace_back(std::make_unique<Worker>());
        worker.session.batch.Limit(kFilesPerBatch);
        worker.thread = std::thread([this, &worker] { Work(worker); });
    }
    work_.notify_one();
}

void CopyWorkers::Work(Worker& worker) {
    Uninterrupted progress;
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (queue_.empty()) return;
        HandedCopy copy = std::move(queue_.front());
        queue_.pop_front();
        ++busy_;
        room_.notify_one();  // only the walk waits there
        lock.unlock();
        const DestinationHint hint{copy.folder->Get(), copy.missing, copy.reportAs};
        CopyOutcome outcome = CopyOpenFile(copy.source.Get(), copy.status, copy.destination,
                                           progress, worker.session, hint);
        copy = {};  // closes the source before the walk hears of the end
        lock.lock();
        if (!outcome.ok) failed_.push_back({hint.reportAs, std::move(outcome)});
        --busy_;
        room_.notify_one();
    }
}

void CopyWorkers::WaitIdle() {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return queue_.empty() && busy_ == 0; });
}

std::vector<NamedCopy> CopyWorkers::TakeNamed() {
    std::vector<NamedCopy> named;
    {
        const std::lock_guard lock(mutex_);
        named = std::exchange(failed_, {});
    }
    for (const auto& worker : workers_) {
        for (NamedCopy& copy : worker->session.batch.TakeNamed()) named.push_back(std::move(copy));
    }
    return named;
}

int CopyWorkers::Sync() {
    WaitIdle();
    int first = 0;
    for (const auto& worker : workers_) {
        const int error = worker->session.Sync();
        if (first == 0) first = error;
    }
    return first;
}

void CopyWorkers::Restart() {
    WaitIdle();
    for (const auto& worker : workers_) worker->session.Restart();
}

}  // namespace zarvik3
