#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

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
    // are only counted until then. Each showing repaints the list, which costs more than
    // copying a small file, so during a run the lines are shown at most every 30 ms, and
    // less often when painting is slow, so that it takes a twentieth of the run at most.
    void ShowIfDue();
    void Show();

    std::size_t Count() const { return lines_.size(); }
    const std::wstring& Line(std::size_t row) const { return lines_.at(row); }
    void Draw(const DRAWITEMSTRUCT& item, HFONT font) const;

  private:
    HWND listBox_ = nullptr;
    std::vector<std::wstring> lines_;
    std::size_t shown_ = 0;  // the lines the list box has been told of
    std::chrono::steady_clock::time_point lastShown_;
    std::chrono::steady_clock::duration interval_ = std::chrono::milliseconds(30);
};

}  // namespace zarvik3
