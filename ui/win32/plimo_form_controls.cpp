// The controls of the main window at their designed places (96 dpi pixels, scaled to the
// display's density), created in the keyboard order.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "platform/win32/wide_text.h"
#include "settings/last_copy_display.h"
#include "ui/pictures/copy_glyph.xpm"
#include "ui/win32/control_ids.h"
#include "ui/win32/plimo_form.h"
#include "ui/win32/xpm_bitmap.h"

namespace zarvik3 {
namespace {

struct ControlDesign {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style;
    int left, top, width, height;
    bool bold = false;
};

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kCombo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | kTab;
constexpr DWORD kButton = BS_PUSHBUTTON | kTab;
constexpr int kRowHeight = 13;
constexpr int kListRows = 12;  // the folder lists' drop-down height

// Labels first, as they take no focus; then the controls in their Tab order.
const ControlDesign kDesign[] = {
    {kLabel1, WC_STATICW, L"From Directory", kLabel, 4, 4, 68, 13},
    {kLabel6, WC_STATICW, L"To Directory", kLabel, 1, 32, 58, 13},
    {kLabel2, WC_STATICW, L"File Mask", kLabel, 127, 57, 45, 13},
    {kLabel5, WC_STATICW, L"Prev. Strings", kLabel, 267, 57, 60, 13},
    {kLabel4, WC_STATICW, L"Last Copy", kLabel, 1, 81, 47, 13},
    {kLbWeekday, WC_STATICW, L"lbWeekday", kLabel, 179, 81, 54, 13},
    {kLbTime, WC_STATICW, L"lbTime", kLabel, 237, 81, 31, 13},
    {kLblNumberFound, WC_STATICW, L"Files copied...", kLabel, 5, 278, 65, 13},
    {kLabel7, WC_STATICW, L"Label7", kLabel, 416, 278, 32, 13},
    {kSubBox, WC_BUTTONW, L"Include Subfolders", BS_AUTOCHECKBOX | kTab, 0, 57, 113, 17},
    {kEdFile, WC_EDITW, L"*.*", kEdit, 188, 54, 50, 21},
    {kDTPicker1, DATETIMEPICK_CLASSW, L"", DTS_SHORTDATEFORMAT | kTab, 80, 77, 86, 21},
    {kListBox1, WC_LISTBOXW, L"",
     LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | kTab, 0, 104,
     490, 161},
    {kFromBox, WC_COMBOBOXW, L"", kCombo, 80, 0, 295, 21 + kListRows* kRowHeight},
    {kEdPrev, WC_EDITW, L".~|.bak", kEdit, 339, 54, 65, 21},
    {kBtCopy, WC_BUTTONW, L"&Copy", kButton, 416, 44, 73, 54, true},
    {kBtPath, WC_BUTTONW, L"...", kButton, 379, 0, 25, 21, true},
    {kBtPath2, WC_BUTTONW, L"...", kButton, 379, 28, 25, 21, true},
    {kToFolder, WC_COMBOBOXW, L"", kCombo, 80, 28, 295, 21 + kListRows* kRowHeight},
};

const ControlDesign& DesignOf(int id) {
    for (const ControlDesign& design : kDesign) {
        if (design.id == id) return design;
    }
    return kDesign[0];
}

// The labels the program fills in start hidden.
bool StartsHidden(int id) {
    return id == kLbWeekday || id == kLbTime || id == kLblNumberFound || id == kLabel7;
}

}  // namespace

void TPlimoForm::CreateControls() {
    for (const ControlDesign& design : kDesign) {
        DWORD style = WS_CHILD | design.style | (StartsHidden(design.id) ? 0 : WS_VISIBLE);
        if (design.id == kDTPicker1) style |= WS_DISABLED;
        CreateWindowExW(design.id == kListBox1 ? WS_EX_CLIENTEDGE : 0, design.windowClass,
                        design.text, style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                        GetModuleHandleW(nullptr), nullptr);
    }
    lines_.Attach(Control(kListBox1));
    SendMessageW(Control(kSubBox), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(Control(kToFolder), CB_SETMINVISIBLE, kListRows, 0);
    pickerValue_ = kPickerInitialValue;
    ShowPickerValue();
    AddHints();
    SetFocus(Control(kSubBox));
}

void TPlimoForm::CreateMenuBar() {
    HMENU bar = CreateMenu();
    const std::pair<int, const wchar_t*> commands[] = {
        {kFile1, L"&Exit"},
        {kClear1, L"&Clear"},
        {kAbort1, L"Ca&ncel"},
        {kDelete1, L"&Delete 'FromDirectory'"},
        {kDelete2, L"Delete '&ToDirectory'"},
        {kSamePath1, L"&Same Path"},
        {kAbout1, L"&About"},
    };
    for (const auto& [id, caption] : commands) AppendMenuW(bar, MF_STRING, id, caption);
    SetMenu(window_, bar);
}

void TPlimoForm::AddHints() {
    hints_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                             window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    const std::pair<int, const wchar_t*> hints[] = {
        {kFromBox, L"Exact path of the files to be backed up"},
        {kToFolder, L"Drive or folder where the FromDirectory path is added"},
        {kEdPrev, L"Files not to be backed up. Max 2 strings separated with a pipe."},
    };
    for (const auto& [id, text] : hints) {
        HWND control = Control(id);
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof(combo);
        // The mouse rests on a combo box's own edit field.
        if (GetComboBoxInfo(control, &combo) && combo.hwndItem) control = combo.hwndItem;
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = const_cast<wchar_t*>(text);
        SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void TPlimoForm::ApplyFonts() {
    DeleteObject(font_);
    DeleteObject(boldFont_);
    font_ = MakeFont(scale_, 8, false);
    boldFont_ = MakeFont(scale_, 8, true);
    for (const ControlDesign& design : kDesign) {
        SendMessageW(Control(design.id), WM_SETFONT,
                     reinterpret_cast<WPARAM>(design.bold ? boldFont_ : font_), TRUE);
    }
    DeleteObject(glyph_);
    glyph_ = BitmapFromXpm(copy_glyph, scale_.Dpi());
    SendMessageW(Control(kBtCopy), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_));
}

// Labels grow to the right when their text needs more room than the design gave.
void TPlimoForm::PlaceControl(int id) {
    const ControlDesign& design = DesignOf(id);
    HWND control = Control(id);
    int width = scale_(design.width);
    if (std::wstring_view(design.windowClass) == WC_STATICW) {
        HDC context = GetDC(control);
        SelectObject(context, font_);
        wchar_t text[512];
        const int length = GetWindowTextW(control, text, 512);
        SIZE extent{};
        GetTextExtentPoint32W(context, text, length, &extent);
        ReleaseDC(control, context);
        width = std::max(width, static_cast<int>(extent.cx));
    }
    SetWindowPos(control, nullptr, scale_(design.left), scale_(design.top), width,
                 scale_(design.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TPlimoForm::ApplyLayout() {
    for (const ControlDesign& design : kDesign) PlaceControl(design.id);
    SendMessageW(Control(kListBox1), LB_SETITEMHEIGHT, 0, scale_(kRowHeight));
}

void TPlimoForm::SetLabel(int id, const std::string& text) {
    SetWindowTextW(Control(id), Widen(text).c_str());
    PlaceControl(id);
}

}  // namespace zarvik3
