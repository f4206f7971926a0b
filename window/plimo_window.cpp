#include "window/plimo_window.h"

#include <stdexcept>

#include "text/text_helpers.h"

namespace zarvik3 {

PlimoWindow::PlimoWindow(Platform& platform, ProcessValues& values,
                         const LocaleDateSettings& locale, WindowView& view,
                         NativePath programFolder)
    : platform_(platform),
      values_(values),
      locale_(locale),
      view_(view),
      programFolder_(std::move(programFolder)),
      guard_(view),
      run_(*platform.fileSystem, *platform.drives, *platform.clock, locale),
      lines_(view) {
    if (platform.conditions) run_.RefreshEachRun(*platform.conditions);
}

void PlimoWindow::Handle(void (PlimoWindow::*handler)()) {
    guard_.Run([this, handler] { (this->*handler)(); });
}

void PlimoWindow::FormCreate() {
    std::optional<FolderText> folder = platform_.drives->ToFolderText(programFolder_);
    if (!folder) {
        throw std::runtime_error("The program folder " + programFolder_.Text() + " is on no drive");
    }
    EnsureTrailingBackslash(*folder);
    values_.ExeDir = *folder;
    settings_ = FindSettingsPlace(*platform_.drives, programFolder_);
    LoadSettings();
}

bool PlimoWindow::CloseRequested() {
    if (running_) {
        // The walk below us still uses the window: stop it and close once it has unwound.
        closePending_ = true;
        values_.CancelRequested = true;
        return false;
    }
    return guard_.RunClose([this] { FormClose(); });
}

void PlimoWindow::File1Click() {
    view_.CloseWindow();
}

void PlimoWindow::Clear1Click() {
    lines_.Clear();
    view_.HideStatus();
}

void PlimoWindow::Abort1Click() {
    values_.CancelRequested = true;
}

void PlimoWindow::About1Click() {
    view_.ShowAbout();
}

void PlimoWindow::FromBoxClick() {
    lines_.Clear();
}

void PlimoWindow::DTPicker1Change() {
    view_.SetWeekdayText(WeekdayName(view_.PickerValue()));
}

}  // namespace zarvik3
