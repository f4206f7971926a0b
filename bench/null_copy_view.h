#pragma once

#include <cstddef>
#include <iostream>
#include <string>

#include "copy/copy_view.h"

namespace zarvik3::bench {

// A view with fixed texts and no display: the lines are counted, not kept, so memory stays
// flat however many files are copied.
class NullCopyView : public CopyView {
  public:
    std::string from;
    std::string to;
    std::string mask = "*.*";
    std::string exclude;
    bool subfolders = true;
    std::string status;
    bool endedByMessage = false;

    std::string FromText() override { return from; }
    std::string ToText() override { return to; }
    std::string MaskText() override { return mask; }
    std::string ExcludeText() override { return exclude; }
    bool IncludeSubfolders() override { return subfolders; }
    void SetFromText(const std::string& text) override { from = text; }

    void ClearList() override { lines_ = failed_ = 0; }
    void AppendLine(const std::string&) override { ++lines_; }
    void MarkLastLineFailed(const std::string& suffix) override {
        ++failed_;
        std::cerr << "failed" << suffix << '\n';
    }
    std::size_t LineCount() override { return lines_; }
    std::size_t FailedLineCount() override { return failed_; }

    void ShowStatus(const std::string& text) override { status = text; }
    void ShowElapsed(const std::string&) override {}
    void HideElapsed() override {}

    void ShowMessage(const std::string& text) override {
        endedByMessage = true;
        std::cerr << text << '\n';
    }
    void ProcessEvents() override {}
    void RecordLastCopy() override {}

  private:
    std::size_t lines_ = 0;
    std::size_t failed_ = 0;
};

}  // namespace zarvik3::bench
