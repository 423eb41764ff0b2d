// Internal: the drawing objects behind HBRUSH and HBITMAP handles.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "windows.h"

namespace vks::detail {

struct BrushObject {
    COLORREF color = 0;
};

// Pixels as COLORREFs, row by row from the top.
struct BitmapObject {
    int width = 0;
    int height = 0;
    WORD bitsPixel = 0;  // as the bitmap was stored
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A system object is shared and outlives DeleteObject.
HBRUSH addBrush(const BrushObject &brush, bool system = false);
HBITMAP addBitmap(BitmapObject bitmap);
std::optional<BrushObject> brushOf(HGDIOBJ handle);
std::optional<BitmapObject> bitmapOf(HGDIOBJ handle);
// True when the handle was an object; a system object stays.
bool deleteGdiObject(HGDIOBJ handle);

}  // namespace vks::detail
