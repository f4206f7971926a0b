#include "ui/win32/result_list.h"

#include "platform/win32/wide_text.h"

namespace zarvik3 {

void ResultList::Clear() {
    lines_.clear();
    shown_ = 0;
    SendMessageW(listBox_, LB_SETCOUNT, 0, 0);
}

void ResultList::Append(const std::string& line) {
    lines_.push_back(Widen(line));
}

void ResultList::AppendTo(std::size_t row, const std::string& suffix) {
    if (row >= lines_.size()) return;
    lines_[row] += Widen(suffix);
    RECT shownRow{};
    if (row < shown_ && SendMessageW(listBox_, LB_GETITEMRECT, row,
                                     reinterpret_cast<LPARAM>(&shownRow)) != LB_ERR) {
        InvalidateRect(listBox_, &shownRow, TRUE);
    }
}

void ResultList::ShowIfDue() {
    if (pacing_.Due()) Show();
}

void ResultList::Show() {
    pacing_.Restart();
    if (shown_ == lines_.size()) return;
    shown_ = lines_.size();
    SendMessageW(listBox_, LB_SETCOUNT, shown_, 0);
    SendMessageW(listBox_, LB_SETTOPINDEX, shown_ - 1, 0);
    UpdateWindow(listBox_);  // painted now, so that its cost is known
    pacing_.Shown();
}

void ResultList::Draw(const DRAWITEMSTRUCT& item, HFONT font) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID < lines_.size()) {
        SelectObject(item.hDC, font);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT text = item.rcItem;
        text.left += 2;
        const std::wstring& line = lines_[item.itemID];
        DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &text,
                  DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace zarvik3
