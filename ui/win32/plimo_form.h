#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "text/locale_date_settings.h"
#include "ui/win32/about_boxer.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/result_list.h"
#include "window/plimo_window.h"
#include "window/process_values.h"
#include "window/window_view.h"

namespace zarvik3 {

// The main window's native face: common controls shown to the window's behaviour as its
// view, and each control's event forwarded to the handler of that name.
class TPlimoForm : public WindowView {
  public:
    // programFolder decides where the settings live.
    TPlimoForm(Platform& platform, ProcessValues& values, const LocaleDateSettings& locale,
               NativePath programFolder);
    ~TPlimoForm() override;
    TPlimoForm(const TPlimoForm&) = delete;
    TPlimoForm& operator=(const TPlimoForm&) = delete;

    HWND Window() const { return window_; }
    PlimoWindow& Behaviour() { return behaviour_; }
    HWND AboutWindow() const { return about_.Window(); }
    const ResultList& Lines() const { return lines_; }

    std::string FromText() override;
    void SetFromText(const std::string& text) override;
    std::string ToText() override;
    void SetToText(const std::string& text) override;
    std::vector<std::string> FromList() override;
    void SetFromList(const std::vector<std::string>& items) override;
    std::vector<std::string> ToList() override;
    void SetToList(const std::vector<std::string>& items) override;
    std::string MaskText() override;
    void SetMaskText(const std::string& text) override;
    std::string ExcludeText() override;
    void SetExcludeText(const std::string& text) override;
    bool IncludeSubfolders() override;
    void SetIncludeSubfolders(bool include) override;
    void ClearList() override;
    void AppendLine(const std::string& line) override;
    void AppendToLine(std::size_t row, const std::string& suffix) override;
    void ShowStatus(const std::string& text) override;
    void HideStatus() override;
    void ShowElapsed(const std::string& text) override;
    void HideElapsed() override;
    TDateTime PickerValue() override;
    void SetPickerDate(TDateTime date) override;
    void EnablePicker(bool enabled) override;
    void SetWeekdayText(const std::string& text) override;
    void SetTimeText(const std::string& text) override;
    void ShowLastCopyLabels(bool shown) override;
    WindowPlace Place() override;
    void MoveTo(int left, int top) override;
    std::vector<ScreenRect> Screens() override;
    void ProcessEvents() override;
    void CloseWindow() override;
    void ShowAbout() override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& message) override;
    bool AskYesNo(const std::string& question) override;
    std::optional<NativePath> ChooseFolder(const std::string& title,
                                           const NativePath& start) override;

    // The window's messages, through ForwardMessages.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCommand(int id, int code);
    void OnNotify(const NMHDR& header);
    void OnDpiChanged(int dpi, const RECT& suggested);

    void CreateControls();
    void CreateMenuBar();
    void AddHints();
    void ApplyLayout();
    void PlaceControl(int id);
    void ApplyFonts();
    void ShowPickerValue();
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    void SetLabel(int id, const std::string& text);

    PlimoWindow behaviour_;
    TAboutBoxer about_;
    HWND window_ = nullptr;
    HWND hints_ = nullptr;
    DpiScale scale_;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HBITMAP glyph_ = nullptr;
    TDateTime pickerValue_ = 0;
    bool settingPicker_ = false;
    ResultList lines_;
};

}  // namespace zarvik3
