#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

#include "cli/copy_options.h"
#include "copy/copy_view.h"
#include "copy/process_values.h"

namespace zarvik3::cli {

// The copy run's view on a terminal or a log. A list line is printed once the next one comes,
// so that a failure marked on the newest line prints it once: FAILED lines go to standard
// error, the others to standard output when listing is asked for. A copy that fails later,
// when it is named, is printed as FAILED then. Lines are counted, not
// kept, so memory stays flat however many files are copied.
class PrintingView : public CopyView {
  public:
    PrintingView(const Options& options, ProcessValues& values, std::ostream& out,
                 std::ostream& err);

    std::string FromText() override { return from_; }
    std::string ToText() override { return to_; }
    std::string MaskText() override { return options_.mask; }
    std::string ExcludeText() override { return options_.exclude; }
    bool IncludeSubfolders() override { return options_.subfolders; }
    void SetFromText(const std::string& text) override { from_ = text; }

    void ClearList() override;
    std::size_t AppendLine(const std::string& line) override;
    void MarkLastLineFailed(const std::string& suffix) override;
    void MarkLineFailed(std::size_t line, const std::string& text,
                        const std::string& suffix) override;
    std::size_t LineCount() override { return lines_; }
    std::size_t FailedLineCount() override { return failed_; }

    void ShowStatus(const std::string& text) override { status_ = text; }
    void ShowElapsed(const std::string&) override {}
    void HideElapsed() override {}

    void ShowMessage(const std::string& text) override;
    // Turns a cancel signal into the run's cancel request.
    void ProcessEvents() override;
    void RecordLastCopy() override;

    void SetFolders(const std::string& from, const std::string& to);
    // Called when the run has stamped its history.
    void OnRecordLastCopy(std::function<void()> record) { record_ = std::move(record); }
    // Prints the last list line, then the summary unless quiet.
    void Finish();

    bool EndedByMessage() const { return endedByMessage_; }

  private:
    void FlushPending();
    void PrintFailed(const std::string& line, const std::string& suffix);

    const Options& options_;
    ProcessValues& values_;
    std::ostream& out_;
    std::ostream& err_;
    std::string from_;
    std::string to_;
    std::string pending_;  // the newest list line, its outcome not yet known
    bool hasPending_ = false;
    std::size_t lines_ = 0;
    std::size_t numbered_ = 0;  // lines ever appended; the newest is numbered_ - 1
    std::size_t failed_ = 0;
    std::string status_;
    bool endedByMessage_ = false;
    std::function<void()> record_;
};

}  // namespace zarvik3::cli
