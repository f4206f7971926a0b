#include "cli/progress_line.h"

#include "copy/summary_text.h"

namespace zarvik3::cli {
namespace {

// A file done sooner shows no progress at all; the line is then redrawn a few times a second.
constexpr auto kShowAfter = std::chrono::milliseconds(500);
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);

std::int64_t Kilobytes(double bytes) {
    return static_cast<std::int64_t>(bytes / 1000);
}

}  // namespace

std::string ProgressText(std::uint64_t done, std::uint64_t size, double seconds) {
    const std::uint64_t percent = size == 0 ? 100 : done * 100 / size;
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    return "  " + std::to_string(percent) + " %  " + SizeText(Kilobytes(done)) + " of " +
           SizeText(Kilobytes(size)) + "  " + SizeText(Kilobytes(rate)) + "/s";
}

void ProgressLine::Update(std::uint64_t done, std::uint64_t size) {
    if (out_ == nullptr) return;
    const Clock::time_point now = Clock::now();
    if (done == 0) {
        Clear();
        fileStart_ = now;
        return;
    }
    if (now - fileStart_ < kShowAfter || (shown_ && now - shownAt_ < kRedrawEvery)) return;
    const std::chrono::duration<double> took = now - fileStart_;
    // Back to the line's start, the text, then the rest of any longer text erased.
    *out_ << '\r' << ProgressText(done, size, took.count()) << "\x1b[K" << std::flush;
    shown_ = true;
    shownAt_ = now;
}

void ProgressLine::Clear() {
    if (!shown_) return;
    *out_ << "\r\x1b[K" << std::flush;
    shown_ = false;
}

}  // namespace zarvik3::cli
