#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "support/copy_fixture.h"
#include "support/scratch_volume.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/plimo_form.h"
#include "window/process_values.h"

namespace zarvik3::test {

// Answers every message box of this thread: records its text and presses the button set.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(int button = IDOK);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    int button;
    std::vector<std::string> texts;

  private:
    HHOOK hook_;
};

// The real native window over a scratch volume, driven with the messages its controls send.
class NativeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { Open(); }
    void TearDown() override;

    void Open();
    // Closes the window as its close box does; true when it closed.
    bool Close();

    HWND Main() const { return form->Window(); }
    HWND Item(int id) const { return GetDlgItem(Main(), id); }
    std::string Text(int id) const;
    bool Shown(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    std::vector<std::string> Lines() const;
    std::vector<std::string> Items(int comboId) const;

    // Sets a field's text as typing does, with the change it reports.
    void Type(int id, const std::string& text);
    void Click(int id);
    void Choose(int commandId);

    void MakeSource(int count);
    void FillFolders();

    ScratchVolume volume;
    ProcessValues values;
    LocaleDateSettings locale = DayFirstLocale();
    std::unique_ptr<TPlimoForm> form;
};

}  // namespace zarvik3::test
