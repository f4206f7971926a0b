#pragma once

#include <windows.h>

namespace zarvik3 {

// A bitmap of an XPM picture (one character a pixel, colours as #RRGGBB or None), with
// transparent pixels in the colour of the window's face: the pictures both faces share.
// Drawn for 96 dpi, it is enlarged pixel by pixel for the density given.
HBITMAP BitmapFromXpm(const char* const* xpm, int dpi = 96);

}  // namespace zarvik3
