#include "ui/win32/xpm_bitmap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace zarvik3 {
namespace {

struct XpmHeader {
    int width = 0;
    int height = 0;
    int colours = 0;
};

DWORD ColourOf(const std::string& colour) {
    const std::size_t hash = colour.find('#');
    if (hash == std::string::npos) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        return (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    }
    return static_cast<DWORD>(std::strtoul(colour.c_str() + hash + 1, nullptr, 16));
}

}  // namespace

HBITMAP BitmapFromXpm(const char* const* xpm, int dpi) {
    XpmHeader header;
    if (std::sscanf(xpm[0], "%d %d %d", &header.width, &header.height, &header.colours) != 3) {
        return nullptr;
    }
    std::map<char, DWORD> palette;
    for (int i = 1; i <= header.colours; ++i) palette[xpm[i][0]] = ColourOf(xpm[i] + 1);
    const int width = MulDiv(header.width, dpi, 96);
    const int height = MulDiv(header.height, dpi, 96);
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + header.colours + y * 96 / dpi];
        for (int x = 0; x < width; ++x) pixels[y * width + x] = palette[row[x * 96 / dpi]];
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, as the picture lists them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(DWORD));
    return bitmap;
}

}  // namespace zarvik3
