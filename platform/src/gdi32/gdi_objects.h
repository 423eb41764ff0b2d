// Internal: the drawing objects behind GDI handles, as the other libraries of the platform see
// them: brushes and bitmaps by value.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "windows.h"

namespace vks::detail {

struct BrushObject {
    COLORREF color = 0;
    bool hollow = false;  // NULL_BRUSH: paints nothing
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
HBITMAP addBitmap(const BitmapObject &bitmap);
std::optional<BrushObject> brushOf(HGDIOBJ handle);
// A copy of the bitmap's pixels as they are now.
std::optional<BitmapObject> bitmapOf(HGDIOBJ handle);
// True when the handle was an object not selected into a DC; a system object stays.
bool deleteGdiObject(HGDIOBJ handle);

}  // namespace vks::detail
