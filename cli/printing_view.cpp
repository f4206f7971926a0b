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
    progress_.Clear();
    // Standard output first, so that a terminal shows both streams in the run's order.
    out_.flush();
    err_ << text << suffix << '\n';
}

void PrintingView::FlushPending() {
    if (!hasPending_) return;
    hasPending_ = false;
    if (!options_.list) return;
    progress_.Clear();
    out_ << pending_ << '\n';
}

bool PrintingView::Pump() {
    return CancelSignalled();
}

std::string PrintingView::ShownPath(const std::string& folderText) {
    if (drives_ == nullptr) return folderText;
    const std::optional<NativePath> native = drives_->ToNativePath(folderText);
    return native ? native->Text() : folderText;
}

void PrintingView::Finish(const std::string& summary) {
    FlushPending();
    progress_.Clear();
    if (!options_.quiet) out_ << summary << '\n';
    out_.flush();
}

}  // namespace zarvik3::cli
