#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/window_position.h"
#include "text/date_time.h"
#include "window/folder_chooser.h"
#include "window/message_sink.h"

namespace zarvik3 {

// The main window's frame on the screen, in screen pixels.
struct WindowPlace {
    ScreenRect frame;
    bool normal = true;  // neither minimised nor maximised
};

// The main window as its behaviour sees it: plain values, no toolkit. A face implements it
// with its controls. Setting a text never counts as the user's change.
class WindowView : public MessageSink, public FolderChooser {
  public:
    // FromBox, ToFolder (texts and drop-down lists), edFile, edPrev, SubBox.
    virtual std::string FromText() = 0;
    virtual void SetFromText(const std::string& text) = 0;
    virtual std::string ToText() = 0;
    virtual void SetToText(const std::string& text) = 0;
    virtual std::vector<std::string> FromList() = 0;
    virtual void SetFromList(const std::vector<std::string>& items) = 0;
    virtual std::vector<std::string> ToList() = 0;
    virtual void SetToList(const std::vector<std::string>& items) = 0;
    virtual std::string MaskText() = 0;
    virtual void SetMaskText(const std::string& text) = 0;
    virtual std::string ExcludeText() = 0;
    virtual void SetExcludeText(const std::string& text) = 0;
    virtual bool IncludeSubfolders() = 0;
    virtual void SetIncludeSubfolders(bool include) = 0;

    // ListBox1; a row counts from the top of the list as it stands.
    virtual void ClearList() = 0;
    // Appends a line and brings it into view.
    virtual void AppendLine(const std::string& line) = 0;
    virtual void AppendToLine(std::size_t row, const std::string& suffix) = 0;

    // lblNumberFound and Label7.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void HideStatus() = 0;
    virtual void ShowElapsed(const std::string& text) = 0;
    virtual void HideElapsed() = 0;

    // The last-copy display: DTPicker1, lbWeekday and lbTime.
    virtual TDateTime PickerValue() = 0;
    // Replaces the picker's date and keeps its time of day.
    virtual void SetPickerDate(TDateTime date) = 0;
    virtual void EnablePicker(bool enabled) = 0;
    virtual void SetWeekdayText(const std::string& text) = 0;
    virtual void SetTimeText(const std::string& text) = 0;
    virtual void ShowLastCopyLabels(bool shown) = 0;

    virtual WindowPlace Place() = 0;
    virtual void MoveTo(int left, int top) = 0;
    virtual std::vector<ScreenRect> Screens() = 0;

    // Handles the events waiting, handlers included.
    virtual void ProcessEvents() = 0;
    // Asks the window to close, as its close box does.
    virtual void CloseWindow() = 0;
    virtual void ShowAbout() = 0;
};

}  // namespace zarvik3
