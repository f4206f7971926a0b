#pragma once

#include <windows.h>

namespace zarvik3 {

// The design is drawn at 96 dots per inch; a window on a denser display grows by its ratio.
class DpiScale {
  public:
    explicit DpiScale(int dpi = 96) : dpi_(dpi) {}

    int Dpi() const { return dpi_; }
    int operator()(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }
    RECT Rect(int left, int top, int width, int height) const;

  private:
    int dpi_;
};

// The window's dots per inch, from the per-monitor call where the system has it.
int WindowDpi(HWND window);

// The outer size for a client area, the frame as it is drawn at that density.
SIZE FrameSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi);

// "MS Shell Dlg" at the given point size, sized for the density.
HFONT MakeFont(const DpiScale& scale, int points, bool bold);

}  // namespace zarvik3
