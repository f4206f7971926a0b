#pragma once

#include <windows.h>

namespace zarvik3 {

// Registers a top-level window class of this program; a second registration finds it there.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon = nullptr);

// The window procedure of a class whose windows each belong to an Owner, kept in the
// window's user data: messages go to Owner::OnMessage once it is set, to the default before.
template <typename Owner>
LRESULT CALLBACK ForwardMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return owner->OnMessage(message, wParam, lParam);
}

}  // namespace zarvik3
