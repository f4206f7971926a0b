#include "ui/win32/plimo_form.h"

#include <commctrl.h>

#include "ui/win32/control_ids.h"
#include "ui/win32/window_class.h"

namespace zarvik3 {
namespace {

constexpr wchar_t kClassName[] = L"TPlimoForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr SIZE kClientSize{490, 292};
// A pick from FromBox's list, handled once the box has put the picked text in its field.
constexpr UINT kFromPicked = WM_APP + 1;

}  // namespace

TPlimoForm::TPlimoForm(Platform& platform, ProcessValues& values, const LocaleDateSettings& locale,
                       NativePath programFolder)
    : behaviour_(platform, values, locale, *this, std::move(programFolder)), about_() {
    RegisterWindowClass(kClassName, &ForwardMessages<TPlimoForm>,
                        LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    window_ =
        CreateWindowExW(kExStyle, kClassName, L"Zarvik3 File Copy", kStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    // From here on the window's messages reach this object.
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    scale_ = DpiScale(WindowDpi(window_));
    CreateMenuBar();
    CreateControls();
    ApplyFonts();
    ApplyLayout();
    const SIZE frame = FrameSizeFor({scale_(kClientSize.cx), scale_(kClientSize.cy)}, kStyle,
                                    kExStyle, true, scale_.Dpi());
    SetWindowPos(window_, nullptr, scale_(519), scale_(22), frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    behaviour_.Handle(&PlimoWindow::FormCreate);
}

TPlimoForm::~TPlimoForm() {
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    DeleteObject(font_);
    DeleteObject(boldFont_);
    DeleteObject(glyph_);
}

LRESULT TPlimoForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            if (wParam != kListBox1) return DefWindowProcW(window_, message, wParam, lParam);
            lines_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), font_);
            return TRUE;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case kFromPicked:
            behaviour_.Handle(&PlimoWindow::FromBoxClick);
            behaviour_.Handle(&PlimoWindow::FromBoxChange);
            return 0;
        case WM_CLOSE:
            if (behaviour_.CloseRequested()) DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void TPlimoForm::OnCommand(int id, int code) {
    using Handler = void (PlimoWindow::*)();
    static const std::pair<int, Handler> kCommands[] = {
        {kFile1, &PlimoWindow::File1Click},     {kClear1, &PlimoWindow::Clear1Click},
        {kAbort1, &PlimoWindow::Abort1Click},   {kDelete1, &PlimoWindow::Delete1Click},
        {kDelete2, &PlimoWindow::Delete2Click}, {kSamePath1, &PlimoWindow::SamePath1Click},
        {kAbout1, &PlimoWindow::About1Click},   {kBtPath, &PlimoWindow::btPathClick},
        {kBtPath2, &PlimoWindow::btPath2Click},
    };
    if (id == kBtCopy && code == BN_CLICKED) {
        behaviour_.CopyClicked();
        lines_.Show();
        return;
    }
    if (id == kFromBox) {
        // A text the program sets sends no edit change; a pick comes as a new selection.
        const bool dropped = SendMessageW(Control(kFromBox), CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (code == CBN_EDITCHANGE) behaviour_.Handle(&PlimoWindow::FromBoxChange);
        if (code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped)) {
            PostMessageW(window_, kFromPicked, 0, 0);
        }
        return;
    }
    for (const auto& [command, handler] : kCommands) {
        if (command == id && (code == 0 || code == BN_CLICKED)) behaviour_.Handle(handler);
    }
}

void TPlimoForm::OnNotify(const NMHDR& header) {
    if (header.idFrom != kDTPicker1 || header.code != DTN_DATETIMECHANGE || settingPicker_) return;
    SYSTEMTIME shown{};
    if (SendMessageW(Control(kDTPicker1), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) !=
        GDT_VALID) {
        return;
    }
    pickerValue_ = WithDate(pickerValue_, shown.wYear, shown.wMonth, shown.wDay);
    behaviour_.Handle(&PlimoWindow::DTPicker1Change);
}

void TPlimoForm::OnDpiChanged(int dpi, const RECT& suggested) {
    scale_ = DpiScale(dpi);
    ApplyFonts();
    ApplyLayout();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zarvik3
