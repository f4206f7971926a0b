#include "ui/win32/dpi_scale.h"

namespace zarvik3 {
namespace {

// Looked up by name: the per-monitor calls came with Windows 10.
template <typename Function>
Function UserCall(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

RECT DpiScale::Rect(int left, int top, int width, int height) const {
    const DpiScale& s = *this;
    return {s(left), s(top), s(left) + s(width), s(top) + s(height)};
}

int WindowDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpi = UserCall<GetDpiForWindowCall>("GetDpiForWindow");
    if (getDpi != nullptr && window != nullptr) {
        if (const UINT dpi = getDpi(window)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

SIZE FrameSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi) {
    using AdjustCall = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserCall<AdjustCall>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, menu, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HFONT MakeFont(const DpiScale& scale, int points, bool bold) {
    return CreateFontW(-MulDiv(points, scale.Dpi(), 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg");
}

}  // namespace zarvik3
