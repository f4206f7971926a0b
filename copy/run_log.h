#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "copy/copy_observer.h"
#include "platform/file_system.h"

namespace zarvik3 {

// One run's side of its observer: the lines it listed, which of them failed, its total and
// whether it was cancelled. As the progress of each file's copy or check, it keeps the
// observer's events flowing and lets a cancel stop the file between chunks.
class RunLog : public CopyProgress {
  public:
    explicit RunLog(CopyObserver& observer) : observer_(observer) {}

    std::size_t List(const std::string& line);
    void FailNewest(const std::string& suffix) { Fail(newest_, newestText_, suffix); }
    void Fail(std::size_t line, const std::string& text, const std::string& suffix);
    // Pumps the observer's events; true from the first cancel on.
    bool Pump();

    // The platform asks only while data is left, so a finished copy is never thrown away.
    bool KeepGoing() override { return !Pump(); }
    void Moved(std::uint64_t bytes) override;
    // The file whose chunks are told next holds size bytes.
    void StartFile(std::uint64_t size);

    CopyObserver& Observer() { return observer_; }
    bool Cancelled() const { return cancelled_; }
    std::size_t Listed() const { return listed_; }
    std::size_t FailedCount() const { return failed_; }

    // A file's share of the total: its whole units of 1000 bytes, as the summary counts.
    void Count(std::uint64_t size) { totalKB += Kilobytes(size); }
    void Uncount(std::uint64_t size) { totalKB -= Kilobytes(size); }

    std::int64_t totalKB = 0;

  private:
    static std::int64_t Kilobytes(std::uint64_t size) {
        return static_cast<std::int64_t>(size / 1000);
    }

    CopyObserver& observer_;
    std::size_t newest_ = 0;
    std::string newestText_;
    std::size_t listed_ = 0;
    std::size_t failed_ = 0;
    bool cancelled_ = false;
    std::uint64_t fileDone_ = 0;
    std::uint64_t fileSize_ = 0;
};

}  // namespace zarvik3
