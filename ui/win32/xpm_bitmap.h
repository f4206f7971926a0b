#pragma once

#include <windows.h>

namespace zarvik3 {

// A bitmap of an XPM picture (one character a pixel, colours as #RRGGBB or None), with
// transparent pixels in the colour of the window's face: the pictures both faces share.
HBITMAP BitmapFromXpm(const char* const* xpm);

}  // namespace zarvik3
