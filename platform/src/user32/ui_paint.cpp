// The drawing steps user32's painting helpers share.
#include "user32/ui_paint.h"

namespace vks::detail {

void paintRect(HDC dc, const RECT &r, int sysColour)
{
    const HGDIOBJ previous = SelectObject(dc, GetSysColorBrush(sysColour));
    if (!previous)
        return;
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
    SelectObject(dc, previous);
}

void paintRectColour(HDC dc, const RECT &r, COLORREF colour)
{
    const HBRUSH brush = CreateSolidBrush(colour);
    const HGDIOBJ previous = SelectObject(dc, brush);
    if (previous) {
        PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
        SelectObject(dc, previous);
    }
    DeleteObject(brush);
}

void drawMarlett(HDC dc, char glyph, int x, int y, int size, COLORREF colour)
{
    const HFONT font = CreateFontA(-size, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH, "Marlett");
    {
        SavedDc saved(dc);
        SelectObject(dc, font);
        SetTextColor(dc, colour);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        TextOutA(dc, x, y, &glyph, 1);
    }
    DeleteObject(font);
}

}  // namespace vks::detail
