#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/copy_fixture.h"
#include "support/recording_messages.h"
#include "support/scratch_volume.h"
#include "window/plimo_window.h"
#include "window/window_view.h"

namespace zarvik3::test {

// A face that keeps what the window shows, answers its pickers and boxes as set, and runs
// a hook at every event pump so a test can act during a run as a user would.
struct RecordingView : WindowView, RecordingMessages {
    std::string from, to, mask = "*.*", exclude;
    bool subfolders = true;
    std::vector<std::string> fromList, toList;
    std::vector<std::string> lines;
    std::optional<std::string> status, elapsed;  // shown labels only
    TDateTime picker = 0.5;
    bool pickerEnabled = false;
    std::string weekday, time;
    bool lastCopyShown = false;
    WindowPlace place{{519, 22, 500, 340}, true};
    std::optional<NativePath> chosen;  // the folder picker's answer
    std::vector<NativePath> pickerStarts;
    std::function<void()> onPump;
    std::function<bool()> onClose;  // the window's close request, as a face forwards it
    int closes = 0;
    int abouts = 0;

    std::string FromText() override { return from; }
    void SetFromText(const std::string& text) override { from = text; }
    std::string ToText() override { return to; }
    void SetToText(const std::string& text) override { to = text; }
    std::vector<std::string> FromList() override { return fromList; }
    void SetFromList(const std::vector<std::string>& items) override { fromList = items; }
    std::vector<std::string> ToList() override { return toList; }
    void SetToList(const std::vector<std::string>& items) override { toList = items; }
    std::string MaskText() override { return mask; }
    void SetMaskText(const std::string& text) override { mask = text; }
    std::string ExcludeText() override { return exclude; }
    void SetExcludeText(const std::string& text) override { exclude = text; }
    bool IncludeSubfolders() override { return subfolders; }
    void SetIncludeSubfolders(bool include) override { subfolders = include; }
    void ClearList() override { lines.clear(); }
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void AppendToLine(std::size_t row, const std::string& suffix) override {
        lines.at(row) += suffix;
    }
    void ShowStatus(const std::string& text) override { status = text; }
    void HideStatus() override { status.reset(); }
    void ShowElapsed(const std::string& text) override { elapsed = text; }
    void HideElapsed() override { elapsed.reset(); }
    TDateTime PickerValue() override { return picker; }
    void SetPickerDate(TDateTime date) override {
        picker = static_cast<double>(static_cast<long long>(date)) + 0.5;
    }
    void EnablePicker(bool enabled) override { pickerEnabled = enabled; }
    void SetWeekdayText(const std::string& text) override { weekday = text; }
    void SetTimeText(const std::string& text) override { time = text; }
    void ShowLastCopyLabels(bool shown) override { lastCopyShown = shown; }
    WindowPlace Place() override { return place; }
    void MoveTo(int left, int top) override {
        place.frame.left = left;
        place.frame.top = top;
    }
    std::vector<ScreenRect> Screens() override { return {{0, 0, 1600, 1000}}; }
    void ProcessEvents() override {
        if (onPump) onPump();
    }
    void CloseWindow() override {
        ++closes;
        if (onClose) onClose();
    }
    void ShowAbout() override { ++abouts; }
    void ShowMessage(const std::string& text) override { RecordingMessages::ShowMessage(text); }
    void ShowError(const std::string& message) override { RecordingMessages::ShowError(message); }
    bool AskYesNo(const std::string& question) override {
        return RecordingMessages::AskYesNo(question);
    }
    std::optional<NativePath> ChooseFolder(const std::string&, const NativePath& start) override {
        pickerStarts.push_back(start);
        return chosen;
    }
};

// The window's behaviour over the real services of a scratch volume, the program folder
// in it, through a recording view.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { Open(); }

    void Open() {
        volume.MakeFolder("program");
        window = std::make_unique<PlimoWindow>(volume.Services(), values, locale, view,
                                               NativePath(volume.NativePath("program").string()));
        view.onClose = [this] { return closed = window->CloseRequested(); };
        window->Handle(&PlimoWindow::FormCreate);
    }
    // Closes the window and opens it again on a fresh face.
    void Reopen() {
        ASSERT_TRUE(window->CloseRequested());
        view = RecordingView{};
        Open();
    }
    std::string Settings() { return volume.ReadText("program/settings.ini"); }

    // count files src\f00.txt ... in the source tree, plus one in a subfolder.
    void MakeSource(int count) {
        for (int i = 0; i < count; ++i) {
            volume.Write("src/f" + std::to_string(100 + i).substr(1) + ".txt", "data");
        }
        volume.Write("src/sub/deep.txt", std::string(2500, 'x'));
    }
    void FillFolders() {
        view.from = volume.Path("src");
        view.to = volume.Path("dst");
    }
    void Copy() { window->CopyClicked(); }

    ScratchVolume volume;
    ProcessValues values;
    LocaleDateSettings locale = DayFirstLocale();
    RecordingView view;
    std::unique_ptr<PlimoWindow> window;
    bool closed = false;
};

}  // namespace zarvik3::test
