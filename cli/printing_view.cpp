#include "cli/printing_view.h"

#include "cli/cancel_signal.h"

namespace zarvik3::cli {

std::size_t PrintingView::Listed(const std::string& line) {
    FlushPending();
    pending_ = line;
    hasPending_ = true;
    return numbered_++;
}

void PrintingView::Failed(std::size_t line, const std::string& text, const std::string& suffix) {
    if (hasPending_ && line + 1 == numbered_) hasPending_ = false;
    // Standard output first, so that a terminal shows both streams in the run's order.
    out_.flush();
    err_ << text << suffix << '\n';
}

void PrintingView::FlushPending() {
    if (!hasPending_) return;
    hasPending_ = false;
    if (options_.list) out_ << pending_ << '\n';
}

bool PrintingView::Pump() {
    return CancelSignalled();
}

void PrintingView::Finish(const std::string& summary) {
    FlushPending();
    if (!options_.quiet) out_ << summary << '\n';
    out_.flush();
}

}  // namespace zarvik3::cli
