#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "copy/copy_view.h"

namespace zarvik3::test {

// A CopyView that keeps what the engine shows, with a hook run at every event pump so a
// test can act in the middle of a walk as a user would.
class RecordingCopyView : public CopyView {
  public:
    std::string from;
    std::string to;
    std::string mask = "*.*";
    std::string exclude;
    bool subfolders = true;

    std::vector<std::string> lines;
    std::size_t failed = 0;
    std::string status;
    bool statusShown = false;
    std::string elapsed;
    bool elapsedShown = false;
    std::vector<std::string> messages;
    int pumps = 0;
    int recordedCopies = 0;
    std::function<void()> onProcessEvents;

    std::string FromText() override { return from; }
    std::string ToText() override { return to; }
    std::string MaskText() override { return mask; }
    std::string ExcludeText() override { return exclude; }
    bool IncludeSubfolders() override { return subfolders; }
    void SetFromText(const std::string& text) override { from = text; }

    void ClearList() override {
        firstNumber_ += lines.size();
        lines.clear();
        failed = 0;
        lastLineListed_ = false;
    }
    std::size_t AppendLine(const std::string& line) override {
        lines.push_back(line);
        lastLineListed_ = true;
        return firstNumber_ + lines.size() - 1;
    }
    void MarkLastLineFailed(const std::string& suffix) override {
        if (!lastLineListed_) return;
        lines.back() += suffix;
        ++failed;
        lastLineListed_ = false;
    }
    void MarkLineFailed(std::size_t line, const std::string&, const std::string& suffix) override {
        if (line < firstNumber_ || line - firstNumber_ >= lines.size()) return;
        lines[line - firstNumber_] += suffix;
        ++failed;
    }
    std::size_t LineCount() override { return lines.size(); }
    std::size_t FailedLineCount() override { return failed; }

    void ShowStatus(const std::string& text) override {
        status = text;
        statusShown = true;
    }
    void ShowElapsed(const std::string& text) override {
        elapsed = text;
        elapsedShown = true;
    }
    void HideElapsed() override { elapsedShown = false; }

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ProcessEvents() override {
        ++pumps;
        if (onProcessEvents) onProcessEvents();
    }
    void RecordLastCopy() override { ++recordedCopies; }

    // The destination paths of the lines, without the time and any failure note.
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const std::string& line : lines) paths.push_back(line.substr(0, line.find("   ")));
        return paths;
    }

  private:
    bool lastLineListed_ = false;
    std::size_t firstNumber_ = 0;
};

}  // namespace zarvik3::test
