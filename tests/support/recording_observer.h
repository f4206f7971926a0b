#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "copy/copy_observer.h"

namespace zarvik3::test {

// Keeps what a run tells, with a hook run at every pump so that a test can act in the middle
// of a walk as a user would.
class RecordingObserver : public CopyObserver {
  public:
    std::string to;
    std::string exclude;
    bool cancel = false;  // what every pump answers
    std::function<void()> onPump;
    // Set: how paths show in the lines.
    std::function<std::string(const std::string&)> shownPath;

    std::vector<std::string> walkStarts;
    std::vector<std::string> lines;
    std::size_t failed = 0;
    int pumps = 0;

    std::string ToText() override { return to; }
    std::string ExcludeText() override { return exclude; }
    void WalkStarts(const std::string& from) override { walkStarts.push_back(from); }
    std::size_t Listed(const std::string& line) override {
        lines.push_back(line);
        return firstNumber_ + lines.size() - 1;
    }
    void Failed(std::size_t line, const std::string&, const std::string& suffix) override {
        if (line < firstNumber_ || line - firstNumber_ >= lines.size()) return;
        lines[line - firstNumber_] += suffix;
        ++failed;
    }
    std::string ShownPath(const std::string& folderText) override {
        return shownPath ? shownPath(folderText) : folderText;
    }
    bool Pump() override {
        ++pumps;
        if (onPump) onPump();
        return cancel;
    }

    // As a user's Clear: the lines go; later failures of earlier lines are not shown.
    void ClearList() {
        firstNumber_ += lines.size();
        lines.clear();
        failed = 0;
    }
    // The destination paths of the lines, without the time and any failure note.
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const std::string& line : lines) paths.push_back(line.substr(0, line.find("   ")));
        return paths;
    }

  private:
    std::size_t firstNumber_ = 0;
};

}  // namespace zarvik3::test
