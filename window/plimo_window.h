#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "copy/copy_observer.h"
#include "copy/copy_run.h"
#include "platform/platform.h"
#include "settings/main_section.h"
#include "settings/settings_file.h"
#include "settings/settings_place.h"
#include "text/locale_date_settings.h"
#include "window/handler_guard.h"
#include "window/listed_lines.h"
#include "window/process_values.h"
#include "window/window_view.h"

namespace zarvik3 {

// The main window's behaviour: every handler of its controls and commands, over a view of
// plain values. A face forwards each event of its controls to the handler of that name
// through Handle, which shows an error that escapes it in the error box.
class PlimoWindow : private CopyObserver {
  public:
    // programFolder: the native folder of the program, which decides where the settings live.
    PlimoWindow(Platform& platform, ProcessValues& values, const LocaleDateSettings& locale,
                WindowView& view, NativePath programFolder);

    void Handle(void (PlimoWindow::*handler)());
    // The Copy button: one run at a time; a close asked for during the run follows it.
    void CopyClicked();
    // The close box: true to close. During a run the run is cancelled and the window
    // closes once it has ended.
    bool CloseRequested();

    void FormCreate();
    void FormClose();
    void btCopyClick();
    void File1Click();
    void Clear1Click();
    void Abort1Click();
    void About1Click();
    void FromBoxClick();
    void FromBoxChange();
    void DTPicker1Change();
    void Delete1Click();
    void Delete2Click();
    void btPathClick();
    void btPath2Click();
    void SamePath1Click();
    // Stamps the From folder's history; called after a run that copied data.
    void RecordLastCopy();

    const ListedLines& Lines() const { return lines_; }

  private:
    // What the run tells the window.
    std::string ToText() override;
    std::string ExcludeText() override;
    void WalkStarts(const std::string& from) override;
    std::size_t Listed(const std::string& line) override;
    void Failed(std::size_t line, const std::string& text, const std::string& suffix) override;
    bool Pump() override;

    void ShowSummary(const CopySummary& summary);
    SettingsFile OpenSettings();
    int CurrentYear();
    void LoadSettings();
    void ApplyPosition(const std::optional<WindowPosition>& saved);
    void ApplyFields(const LoadedSettings& loaded);
    MainSectionState MainState();
    void ShowLastCopy(const std::string& timeText);
    void ClearLastCopy();
    using ListSetter = std::function<void(const std::vector<std::string>&)>;
    using TextSetter = std::function<void(const std::string&)>;
    void DeleteEntry(const std::string& section, std::vector<std::string> list, std::string text,
                     const ListSetter& showList);
    void Browse(const TextSetter& setField, std::string& remembered);

    Platform& platform_;
    ProcessValues& values_;
    const LocaleDateSettings& locale_;
    WindowView& view_;
    NativePath programFolder_;
    SettingsPlace settings_;
    HandlerGuard guard_;
    CopyRun run_;
    ListedLines lines_;
    std::optional<std::string> shownTime_;  // lbTime's text while the display shows
    // A run pumps events, so Copy and close can arrive while it is still on the stack.
    bool running_ = false;
    bool closePending_ = false;
    std::optional<std::chrono::steady_clock::time_point> lastPump_;
    int skippedPumps_ = 0;
};

}  // namespace zarvik3
