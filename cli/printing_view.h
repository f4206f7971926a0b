#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>

#include "cli/copy_options.h"
#include "cli/progress_line.h"
#include "copy/copy_observer.h"
#include "platform/drives.h"

namespace zarvik3::cli {

// The copy run on a terminal or a log. A list line is printed once the next one comes, so
// that a failure marked on the newest line prints it once: FAILED lines go to standard
// error, the others to standard output when listing is asked for. A copy that fails later,
// when it is named, is printed as FAILED then. Lines are counted, not kept, so memory stays
// flat however many files are copied.
class PrintingView : public CopyObserver {
  public:
    // drives: paths print as the system's own through it; null prints folder texts.
    // progress: where a long file's progress shows; null shows none.
    PrintingView(const Options& options, std::string to, std::ostream& out, std::ostream& err,
                 Drives* drives = nullptr, std::ostream* progress = nullptr)
        : options_(options),
          to_(std::move(to)),
          out_(out),
          err_(err),
          drives_(drives),
          progress_(progress) {}

    // A run ended by an error leaves no progress line under its message.
    ~PrintingView() override { progress_.Clear(); }

    std::string ToText() override { return to_; }
    std::string ExcludeText() override { return options_.exclude; }
    void WalkStarts(const std::string& from) override { from_ = from; }
    std::size_t Listed(const std::string& line) override;
    void Failed(std::size_t line, const std::string& text, const std::string& suffix) override;
    // Turns a cancel signal into the run's cancel.
    bool Pump() override;
    std::string ShownPath(const std::string& folderText) override;
    void FileProgress(std::uint64_t done, std::uint64_t size) override {
        progress_.Update(done, size);
    }

    // The From text the walk started at; empty when it never started.
    const std::string& WalkedFrom() const { return from_; }
    // Erases the progress line, before anything else is printed.
    void ClearProgress() { progress_.Clear(); }
    // Prints the last list line, then the summary unless quiet.
    void Finish(const std::string& summary);

  private:
    void FlushPending();

    const Options& options_;
    std::string to_;
    std::ostream& out_;
    std::ostream& err_;
    Drives* drives_;
    ProgressLine progress_;
    std::string from_;
    std::string pending_;  // the newest list line, its outcome not yet known
    bool hasPending_ = false;
    std::size_t numbered_ = 0;  // lines ever listed; the newest is numbered_ - 1
};

}  // namespace zarvik3::cli
