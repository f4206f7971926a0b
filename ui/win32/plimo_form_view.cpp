// The main window's controls as its behaviour sees them.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/folder_dialog.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/plimo_form.h"
#include "window/error_message_text.h"

namespace zarvik3 {
namespace {

std::string TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

std::vector<std::string> ItemsOf(HWND combo) {
    std::vector<std::string> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)),
                          L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(Narrow(item));
    }
    return items;
}

// Replaces the list, keeping the edit text, which emptying the list would clear.
void SetItems(HWND combo, const std::vector<std::string>& items) {
    const std::string text = TextOf(combo);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    SetWindowTextW(combo, Widen(text).c_str());
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM screens) {
    reinterpret_cast<std::vector<ScreenRect>*>(screens)->push_back(
        {area->left, area->top, area->right - area->left, area->bottom - area->top});
    return TRUE;
}

int ShowBox(HWND owner, const std::string& text, UINT type) {
    return MessageBoxW(owner, Widen(text).c_str(), L"Zarvik3", type);
}

}  // namespace

std::string TPlimoForm::FromText() {
    return TextOf(Control(kFromBox));
}

void TPlimoForm::SetFromText(const std::string& text) {
    SetWindowTextW(Control(kFromBox), Widen(text).c_str());
}

std::string TPlimoForm::ToText() {
    return TextOf(Control(kToFolder));
}

void TPlimoForm::SetToText(const std::string& text) {
    SetWindowTextW(Control(kToFolder), Widen(text).c_str());
}

std::vector<std::string> TPlimoForm::FromList() {
    return ItemsOf(Control(kFromBox));
}

void TPlimoForm::SetFromList(const std::vector<std::string>& items) {
    SetItems(Control(kFromBox), items);
}

std::vector<std::string> TPlimoForm::ToList() {
    return ItemsOf(Control(kToFolder));
}

void TPlimoForm::SetToList(const std::vector<std::string>& items) {
    SetItems(Control(kToFolder), items);
}

std::string TPlimoForm::MaskText() {
    return TextOf(Control(kEdFile));
}

void TPlimoForm::SetMaskText(const std::string& text) {
    SetWindowTextW(Control(kEdFile), Widen(text).c_str());
}

std::string TPlimoForm::ExcludeText() {
    return TextOf(Control(kEdPrev));
}

void TPlimoForm::SetExcludeText(const std::string& text) {
    SetWindowTextW(Control(kEdPrev), Widen(text).c_str());
}

bool TPlimoForm::IncludeSubfolders() {
    return SendMessageW(Control(kSubBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TPlimoForm::SetIncludeSubfolders(bool include) {
    SendMessageW(Control(kSubBox), BM_SETCHECK, include ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TPlimoForm::ClearList() {
    lines_.Clear();
}

// Shown at the next pump: telling the list box of each line on its own is dear.
void TPlimoForm::AppendLine(const std::string& line) {
    lines_.Append(line);
}

void TPlimoForm::AppendToLine(std::size_t row, const std::string& suffix) {
    lines_.AppendTo(row, suffix);
}

void TPlimoForm::ShowStatus(const std::string& text) {
    SetLabel(kLblNumberFound, text);
    ShowWindow(Control(kLblNumberFound), SW_SHOWNA);
}

void TPlimoForm::HideStatus() {
    ShowWindow(Control(kLblNumberFound), SW_HIDE);
}

void TPlimoForm::ShowElapsed(const std::string& text) {
    SetLabel(kLabel7, text);
    ShowWindow(Control(kLabel7), SW_SHOWNA);
}

void TPlimoForm::HideElapsed() {
    ShowWindow(Control(kLabel7), SW_HIDE);
}

TDateTime TPlimoForm::PickerValue() {
    return pickerValue_;
}

void TPlimoForm::SetPickerDate(TDateTime date) {
    const DateTimeParts day = DecodeDateTime(date);
    pickerValue_ = WithDate(pickerValue_, day.year, day.month, day.day);
    ShowPickerValue();
}

void TPlimoForm::ShowPickerValue() {
    const DateTimeParts parts = DecodeDateTime(pickerValue_);
    SYSTEMTIME shown{};
    shown.wYear = static_cast<WORD>(parts.year);
    shown.wMonth = static_cast<WORD>(parts.month);
    shown.wDay = static_cast<WORD>(parts.day);
    settingPicker_ = true;
    SendMessageW(Control(kDTPicker1), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&shown));
    settingPicker_ = false;
}

void TPlimoForm::EnablePicker(bool enabled) {
    EnableWindow(Control(kDTPicker1), enabled);
}

void TPlimoForm::SetWeekdayText(const std::string& text) {
    SetLabel(kLbWeekday, text);
}

void TPlimoForm::SetTimeText(const std::string& text) {
    SetLabel(kLbTime, text);
}

void TPlimoForm::ShowLastCopyLabels(bool shown) {
    ShowWindow(Control(kLbWeekday), shown ? SW_SHOWNA : SW_HIDE);
    ShowWindow(Control(kLbTime), shown ? SW_SHOWNA : SW_HIDE);
}

WindowPlace TPlimoForm::Place() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    return {{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top},
            !IsIconic(window_) && !IsZoomed(window_)};
}

void TPlimoForm::MoveTo(int left, int top) {
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<ScreenRect> TPlimoForm::Screens() {
    std::vector<ScreenRect> screens;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&screens));
    return screens;
}

void TPlimoForm::ProcessEvents() {
    lines_.ShowIfDue();
    PumpWaitingMessages();
}

void TPlimoForm::CloseWindow() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TPlimoForm::ShowAbout() {
    about_.ShowAbout(window_);
}

void TPlimoForm::ShowMessage(const std::string& text) {
    ShowBox(window_, text, MB_OK);
}

void TPlimoForm::ShowError(const std::string& message) {
    ShowBox(window_, ErrorMessageText(message), MB_OK | MB_ICONERROR);
}

bool TPlimoForm::AskYesNo(const std::string& question) {
    // Enter keeps the window and its unsaved settings; leaving takes a deliberate Yes.
    return ShowBox(window_, question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::optional<NativePath> TPlimoForm::ChooseFolder(const std::string& title,
                                                   const NativePath& start) {
    return ChooseFolderDialog(window_, title, start);
}

}  // namespace zarvik3
