#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "window/show_pacing.h"

namespace zarvik3 {

// ListBox1's lines. The list box holds no data of its own (LBS_NODATA) and draws each
// visible row from here: a list box that stores its strings spends time in proportion to
// its length on every new line, and a long run would slow down as it lists.
class ResultList {
  public:
    void Attach(HWND listBox) { listBox_ = listBox; }

    void Clear();
    void Append(const std::string& line);
    void AppendTo(std::size_t row, const std::string& suffix);
    // Tells the list box of the new lines and brings the newest into view; new lines
    // are only counted until then; during a run, only when they are due.
    void ShowIfDue();
    void Show();

    std::size_t Count() const { return lines_.size(); }
    const std::wstring& Line(std::size_t row) const { return lines_.at(row); }
    void Draw(const DRAWITEMSTRUCT& item, HFONT font) const;

  private:
    HWND listBox_ = nullptr;
    std::vector<std::wstring> lines_;
    std::size_t shown_ = 0;  // the lines the list box has been told of
    ShowPacing pacing_;
};

}  // namespace zarvik3
