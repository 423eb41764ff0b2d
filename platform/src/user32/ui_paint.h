// Internal: small drawing steps that user32's painting helpers share, all through GDI.
#pragma once

#include "windows.h"

namespace vks::detail {

// Fills the rectangle with a system colour (without recording it as a window's fill).
void paintRect(HDC dc, const RECT &r, int sysColour);
// Fills the rectangle with a colour.
void paintRectColour(HDC dc, const RECT &r, COLORREF colour);

// A glyph of the Marlett font, drawn transparently in the colour with its em square's top-left
// corner at (x, y); `size` is its em height in pixels, the size Marlett's glyphs are drawn for.
void drawMarlett(HDC dc, char glyph, int x, int y, int size, COLORREF colour);

// Saves the DC's attributes and restores them when it goes.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), depth_(SaveDC(dc)) {}
    ~SavedDc()
    {
        if (depth_)
            RestoreDC(dc_, depth_);
    }
    SavedDc(const SavedDc &) = delete;
    SavedDc &operator=(const SavedDc &) = delete;

private:
    HDC dc_;
    int depth_;
};

}  // namespace vks::detail
