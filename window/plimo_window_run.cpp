// The Copy button: the run, what it shows as it goes, and the rules for Copy and close
// while it runs.
#include "copy/summary_text.h"
#include "window/plimo_window.h"

namespace zarvik3 {

void PlimoWindow::CopyClicked() {
    if (running_) return;  // one run at a time: a second Copy during a run is ignored
    running_ = true;
    Handle(&PlimoWindow::btCopyClick);
    running_ = false;
    if (closePending_) {
        closePending_ = false;
        view_.CloseWindow();
    }
}

void PlimoWindow::btCopyClick() {
    lines_.Clear();
    view_.HideElapsed();
    view_.ShowStatus("Checking...");
    const CopyRequest request{view_.FromText(), view_.MaskText(), view_.IncludeSubfolders()};
    const CopySummary summary = run_.Run(request, *this);
    if (!summary.refusal.empty()) return view_.ShowMessage(summary.refusal);
    values_.RunStart = summary.start;
    values_.TotalKB = summary.totalKB;
    ShowSummary(summary);
    if (values_.TotalKB > 0) RecordLastCopy();
    values_.LastFromDir = view_.FromText();
    values_.LastToDir = view_.ToText();
}

// The count is the list's: lines cleared away during the run are not counted.
void PlimoWindow::ShowSummary(const CopySummary& summary) {
    const std::size_t failed = lines_.FailedCount();
    const std::size_t copied = lines_.Count() - failed;
    view_.ShowStatus(SummaryText(copied, summary.totalKB, failed));
    view_.ShowElapsed(ElapsedText(summary.elapsedMs));
}

std::string PlimoWindow::ToText() {
    return view_.ToText();
}

std::string PlimoWindow::ExcludeText() {
    return view_.ExcludeText();
}

void PlimoWindow::WalkStarts(const std::string& from) {
    if (view_.FromText() != from) view_.SetFromText(from);
    values_.CancelRequested = false;
    // A close asked for during the drive check would otherwise be lost here.
    if (closePending_) values_.CancelRequested = true;
}

std::size_t PlimoWindow::Listed(const std::string& line) {
    return lines_.Append(line);
}

void PlimoWindow::Failed(std::size_t line, const std::string&, const std::string& suffix) {
    lines_.MarkFailed(line, suffix);
}

bool PlimoWindow::Pump() {
    // Each pump polls the window system, a system call that costs more than a whole up-to-date
    // entry; a millisecond between pumps is far below what a person can notice, and every
    // sixteenth entry pumps regardless, so short walks still answer Cancel.
    const auto now = std::chrono::steady_clock::now();
    if (lastPump_ && now - *lastPump_ < std::chrono::milliseconds(1) && ++skippedPumps_ < 16) {
        return values_.CancelRequested;
    }
    skippedPumps_ = 0;
    lastPump_ = now;
    view_.ProcessEvents();
    return values_.CancelRequested;
}

}  // namespace zarvik3
