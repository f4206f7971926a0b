#pragma once

#include <windows.h>

#include "ui/win32/dpi_scale.h"

namespace zarvik3 {

// The About window: the product's name, version and picture, and two links opened through
// the shell. Made at its first showing, owned by the main window; closing only hides it.
class TAboutBoxer {
  public:
    TAboutBoxer() = default;
    ~TAboutBoxer();
    TAboutBoxer(const TAboutBoxer&) = delete;
    TAboutBoxer& operator=(const TAboutBoxer&) = delete;

    // Centred on the screen the first time; later where it was left.
    void ShowAbout(HWND owner);
    HWND Window() const { return window_; }

    // The window's messages, through ForwardMessages.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Create(HWND owner);
    void CreateControls();
    void OpenLink(int id);
    bool IsLink(HWND control) const;

    HWND window_ = nullptr;
    DpiScale scale_;
    HFONT font_ = nullptr;
    HFONT bigFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    HBITMAP picture_ = nullptr;
};

}  // namespace zarvik3
