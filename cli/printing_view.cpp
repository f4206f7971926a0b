#include "cli/printing_view.h"

#include <utility>

#include "cli/cancel_signal.h"

namespace zarvik3::cli {

PrintingView::PrintingView(const Options& options, ProcessValues& values, std::ostream& out,
                           std::ostream& err)
    : options_(options), values_(values), out_(out), err_(err) {}

void PrintingView::SetFolders(const std::string& from, const std::string& to) {
    from_ = from;
    to_ = to;
}

void PrintingView::ClearList() {
    FlushPending();
    lines_ = failed_ = 0;
}

std::size_t PrintingView::AppendLine(const std::string& line) {
    FlushPending();
    pending_ = line;
    hasPending_ = true;
    ++lines_;
    return numbered_++;
}

void PrintingView::MarkLastLineFailed(const std::string& suffix) {
    if (!hasPending_) return;
    hasPending_ = false;
    PrintFailed(pending_, suffix);
}

void PrintingView::MarkLineFailed(std::size_t line, const std::string& text,
                                  const std::string& suffix) {
    if (hasPending_ && line + 1 == numbered_) return MarkLastLineFailed(suffix);
    PrintFailed(text, suffix);
}

void PrintingView::PrintFailed(const std::string& line, const std::string& suffix) {
    ++failed_;
    // Standard output first, so that a terminal shows both streams in the run's order.
    out_.flush();
    err_ << line << suffix << '\n';
}

void PrintingView::FlushPending() {
    if (!hasPending_) return;
    hasPending_ = false;
    if (options_.list) out_ << pending_ << '\n';
}

void PrintingView::ShowMessage(const std::string& text) {
    endedByMessage_ = true;
    out_.flush();
    err_ << "zarvik3-copy: " << text << '\n';
}

void PrintingView::ProcessEvents() {
    if (CancelSignalled()) values_.CancelRequested = true;
}

void PrintingView::RecordLastCopy() {
    if (record_) record_();
}

void PrintingView::Finish() {
    FlushPending();
    if (!options_.quiet) out_ << status_ << '\n';
    out_.flush();
}

}  // namespace zarvik3::cli
