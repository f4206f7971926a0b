#pragma once

#include <cstddef>
#include <string>

namespace zarvik3 {

// What the copy engine needs of the main window.
class CopyView {
  public:
    virtual ~CopyView() = default;

    virtual std::string FromText() = 0;
    virtual std::string ToText() = 0;
    virtual std::string MaskText() = 0;
    virtual std::string ExcludeText() = 0;
    virtual bool IncludeSubfolders() = 0;
    // Sets the From text without running its change handler.
    virtual void SetFromText(const std::string& text) = 0;

    virtual void ClearList() = 0;
    // Appends a line and brings it into view; the number returned names that line from then
    // on, and no other.
    virtual std::size_t AppendLine(const std::string& line) = 0;
    // Appends text to the newest line and counts it as failed, if that line is still listed.
    virtual void MarkLastLineFailed(const std::string& suffix) = 0;
    // The same for an earlier line, if it is still listed; text is that line as appended,
    // for a face that shows a failure apart from the list.
    virtual void MarkLineFailed(std::size_t line, const std::string& text,
                                const std::string& suffix) = 0;
    virtual std::size_t LineCount() = 0;
    virtual std::size_t FailedLineCount() = 0;

    // lblNumberFound and Label7.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowElapsed(const std::string& text) = 0;
    virtual void HideElapsed() = 0;

    virtual void ShowMessage(const std::string& text) = 0;
    virtual void ProcessEvents() = 0;

    // Stamps the source folder's history; called when a run copied data.
    virtual void RecordLastCopy() = 0;
};

}  // namespace zarvik3
