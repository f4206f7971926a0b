#include "ui/win32/about_boxer.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"
#include "ui/pictures/boat.xpm"
#include "ui/win32/window_class.h"
#include "ui/win32/xpm_bitmap.h"
#include "window/about_texts.h"

namespace zarvik3 {
namespace {

constexpr wchar_t kClassName[] = L"TAboutBoxer";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

enum AboutId : int {
    kPanel1 = 300,
    kProgramIcon,
    kProductName,
    kLbVersion,
    kLabel6,
    kCopyright,
    kLabel1,
    kLabel2,
    kLbEmail,
    kLbUrl,
};

enum class Look { kPlain, kBig, kThanks, kLink };

struct AboutDesign {
    int id;
    const char* text;
    int left, top, width, height;
    Look look;
};

const AboutDesign kLabels[] = {
    {kProductName, about::kProductName, 137, 8, 124, 37, Look::kBig},
    {kLbVersion, about::kVersion, 167, 43, 53, 13, Look::kPlain},
    {kLabel6, about::kYear, 176, 63, 24, 13, Look::kPlain},
    {kCopyright, about::kCopyright, 136, 82, 130, 13, Look::kPlain},
    {kLabel1, about::kThanks, 134, 104, 147, 13, Look::kThanks},
    {kLabel2, about::kThanksEnd, 134, 118, 95, 13, Look::kThanks},
    {kLbEmail, about::kEmailAddress, 163, 137, 70, 13, Look::kLink},
    {kLbUrl, about::kWebAddress, 134, 149, 134, 13, Look::kLink},
};

Look LookOf(int id) {
    for (const AboutDesign& design : kLabels) {
        if (design.id == id) return design.look;
    }
    return Look::kPlain;
}

HWND AddChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style,
              const RECT& box, int id) {
    return CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                           box.right - box.left, box.bottom - box.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void CentreOnScreen(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT& area = monitor.rcWork;
    SetWindowPos(window, nullptr,
                 area.left + (area.right - area.left - (frame.right - frame.left)) / 2,
                 area.top + (area.bottom - area.top - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TAboutBoxer::~TAboutBoxer() {
    if (IsWindow(window_)) DestroyWindow(window_);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(bigFont_),
                           static_cast<HGDIOBJ>(linkFont_), static_cast<HGDIOBJ>(picture_)}) {
        DeleteObject(object);
    }
}

void TAboutBoxer::ShowAbout(HWND owner) {
    const bool first = window_ == nullptr;
    if (first) Create(owner);
    if (first) CentreOnScreen(window_);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void TAboutBoxer::Create(HWND owner) {
    RegisterWindowClass(kClassName, &ForwardMessages<TAboutBoxer>);
    window_ = CreateWindowExW(kExStyle, kClassName, Widen(about::kCaption).c_str(), kStyle, 0, 0, 0,
                              0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    scale_ = DpiScale(WindowDpi(window_));
    const SIZE frame =
        FrameSizeFor({scale_(297), scale_(201)}, kStyle, kExStyle, false, scale_.Dpi());
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER);
    CreateControls();
}

void TAboutBoxer::CreateControls() {
    font_ = MakeFont(scale_, 8, false);
    bigFont_ = MakeFont(scale_, 24, true);
    LOGFONTW link{};
    GetObjectW(font_, sizeof(link), &link);
    link.lfUnderline = TRUE;
    linkFont_ = CreateFontIndirectW(&link);
    AddChild(window_, WC_STATICW, L"", SS_ETCHEDFRAME, scale_.Rect(0, 0, 297, 169), kPanel1);
    picture_ = BitmapFromXpm(boat_xpm);
    HWND icon = AddChild(window_, WC_STATICW, L"", SS_BITMAP | SS_REALSIZECONTROL,
                         scale_.Rect(16, 8, 89, 81), kProgramIcon);
    SendMessageW(icon, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
    for (const AboutDesign& design : kLabels) {
        const DWORD notify = design.look == Look::kLink ? SS_NOTIFY : 0;
        HWND label = AddChild(
            window_, WC_STATICW, Widen(design.text).c_str(), SS_LEFT | SS_NOPREFIX | notify,
            scale_.Rect(design.left, design.top, design.width, design.height), design.id);
        HFONT font = design.look == Look::kBig    ? bigFont_
                     : design.look == Look::kLink ? linkFont_
                                                  : font_;
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    HWND ok = AddChild(window_, WC_BUTTONW, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                       scale_.Rect(111, 176, 75, 25), IDOK);
    SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetFocus(ok);
}

LRESULT TAboutBoxer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ShowWindow(window_, SW_HIDE);
            if (HIWORD(wParam) == STN_CLICKED) OpenLink(LOWORD(wParam));
            return 0;
        case WM_CLOSE:
            ShowWindow(window_, SW_HIDE);
            return 0;
        case WM_CTLCOLORSTATIC: {
            const Look look = LookOf(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            HDC context = reinterpret_cast<HDC>(wParam);
            SetBkMode(context, TRANSPARENT);
            if (look == Look::kThanks) SetTextColor(context, RGB(128, 0, 0));
            if (look == Look::kLink) SetTextColor(context, RGB(0, 0, 255));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR:
            if (IsLink(reinterpret_cast<HWND>(wParam))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool TAboutBoxer::IsLink(HWND control) const {
    return GetParent(control) == window_ && LookOf(GetDlgCtrlID(control)) == Look::kLink;
}

// What the shell makes of the link is its own affair: nothing is reported back.
void TAboutBoxer::OpenLink(int id) {
    if (id != kLbEmail && id != kLbUrl) return;
    wchar_t text[512];
    GetDlgItemTextW(window_, id, text, 512);
    const std::string link =
        id == kLbEmail ? about::EmailLink(Narrow(text)) : about::WebLink(Narrow(text));
    ShellExecuteW(window_, L"open", Widen(link).c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace zarvik3
