// DrawFrameControl: check boxes, radio buttons, push buttons, scroll arrows and caption buttons
// in the classic look, their marks drawn from the Marlett font.
#include <algorithm>

#include "user32/ui_paint.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// The largest square centred in the rectangle.
RECT centredSquare(const RECT &r)
{
    const LONG side = std::min(r.right - r.left, r.bottom - r.top);
    const LONG left = r.left + (r.right - r.left - side) / 2;
    const LONG top = r.top + (r.bottom - r.top - side) / 2;
    return {left, top, left + side, top + side};
}

LONG sideOf(const RECT &r)
{
    return r.right - r.left;
}

UINT edgeFlags(UINT state)
{
    UINT flags = BF_RECT | BF_ADJUST;
    if (state & DFCS_MONO)
        flags |= BF_MONO;
    else if (state & DFCS_FLAT)
        flags |= BF_FLAT;
    return flags;
}

bool drawCheckBox(HDC dc, const RECT &r, UINT kind, UINT state)
{
    RECT box = centredSquare(r);
    const RECT square = box;
    DrawEdge(dc, &box, EDGE_SUNKEN, edgeFlags(state));
    const bool indeterminate = kind == DFCS_BUTTON3STATE && (state & DFCS_CHECKED);
    const bool faded = (state & (DFCS_PUSHED | DFCS_INACTIVE)) || indeterminate;
    paintRect(dc, box, faded ? COLOR_BTNFACE : COLOR_WINDOW);
    if (state & DFCS_CHECKED) {
        const int ink = (state & DFCS_INACTIVE) || indeterminate ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
        drawMarlett(dc, 'a', square.left, square.top, sideOf(square), GetSysColor(ink));
    }
    return true;
}

// The classic radio button's ring, twelve pixels across: shadow and dark shadow on its upper
// left, highlight and light on its lower right, the window's colour inside.
constexpr const char *kRadioRing[] = {
    "....SSSS....",
    "..SSDDDDSS..",
    ".SDDWWWWDDH.",
    ".SDWWWWWWLH.",
    "SDWWWWWWWWLH",
    "SDWWWWWWWWLH",
    "SDWWWWWWWWLH",
    "SDWWWWWWWWLH",
    ".SDWWWWWWLH.",
    ".SLLWWWWLLH.",
    "..HHLLLLHH..",
    "....HHHH....",
};
constexpr int kRadioSide = 12;

int ringColour(char cell, bool faded)
{
    switch (cell) {
    case 'S':
        return COLOR_BTNSHADOW;
    case 'D':
        return COLOR_3DDKSHADOW;
    case 'L':
        return COLOR_3DLIGHT;
    case 'H':
        return COLOR_BTNHIGHLIGHT;
    default:
        return faded ? COLOR_BTNFACE : COLOR_WINDOW;
    }
}

bool drawRadio(HDC dc, const RECT &r, UINT state)
{
    const RECT square = centredSquare(r);
    const bool faded = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    const LONG left = square.left + (sideOf(square) - kRadioSide) / 2;
    const LONG top = square.top + (sideOf(square) - kRadioSide) / 2;
    for (int y = 0; y < kRadioSide; ++y)
        for (int x = 0; x < kRadioSide;) {
            const char cell = kRadioRing[y][x];
            int run = 1;
            while (x + run < kRadioSide && kRadioRing[y][x + run] == cell)
                ++run;
            if (cell != '.')
                paintRect(dc, {left + x, top + y, left + x + run, top + y + 1}, ringColour(cell, faded));
            x += run;
        }
    if (state & DFCS_CHECKED)
        drawMarlett(dc, 'i', square.left, square.top, sideOf(square),
                    GetSysColor(state & DFCS_INACTIVE ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
    return true;
}

// How large a mark is drawn on a button: Marlett's glyph at this share of the button's side.
struct MarkScale {
    int numerator;
    int denominator;
};
constexpr MarkScale kArrowScale{3, 4};
constexpr MarkScale kCaptionScale{2, 3};

// A raised button face (sunken when pushed) with a Marlett mark in its middle; an inactive mark
// is embossed.
bool drawMarkedButton(HDC dc, const RECT &r, char glyph, UINT state, MarkScale scale)
{
    RECT face = r;
    const bool pushed = (state & DFCS_PUSHED) != 0;
    UINT flags = BF_RECT | BF_MIDDLE | BF_ADJUST | (pushed ? BF_FLAT : BF_SOFT);
    if (state & DFCS_MONO)
        flags |= BF_MONO;
    DrawEdge(dc, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, flags);
    const int size = std::max<int>(1, sideOf(centredSquare(r)) * scale.numerator / scale.denominator);
    // The glyph's em square centred on the button, one pixel down and right when pushed.
    const int left = r.left + (r.right - r.left - size) / 2 + (pushed ? 1 : 0);
    const int top = r.top + (r.bottom - r.top - size) / 2 + (pushed ? 1 : 0);
    if (state & DFCS_INACTIVE) {
        drawMarlett(dc, glyph, left + 1, top + 1, size, GetSysColor(COLOR_BTNHIGHLIGHT));
        drawMarlett(dc, glyph, left, top, size, GetSysColor(COLOR_BTNSHADOW));
    } else {
        drawMarlett(dc, glyph, left, top, size, GetSysColor(COLOR_BTNTEXT));
    }
    return true;
}

bool drawButton(HDC dc, const RECT &r, UINT state)
{
    const UINT kind = state & 0x1F;
    switch (kind) {
    case DFCS_BUTTONCHECK:
    case DFCS_BUTTON3STATE:
        return drawCheckBox(dc, r, kind, state);
    case DFCS_BUTTONRADIO:
        return drawRadio(dc, r, state);
    case DFCS_BUTTONPUSH: {
        RECT face = r;
        const bool pushed = (state & (DFCS_PUSHED | DFCS_CHECKED)) != 0;
        DrawEdge(dc, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_MIDDLE | BF_ADJUST | (pushed ? 0 : BF_SOFT) | edgeFlags(state));
        return true;
    }
    default:
        return false;
    }
}

bool drawScroll(HDC dc, const RECT &r, UINT state)
{
    switch (state & 0x1F) {
    case DFCS_SCROLLUP:
        return drawMarkedButton(dc, r, '5', state, kArrowScale);
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX:
        return drawMarkedButton(dc, r, '6', state, kArrowScale);
    case DFCS_SCROLLLEFT:
        return drawMarkedButton(dc, r, '3', state, kArrowScale);
    case DFCS_SCROLLRIGHT:
        return drawMarkedButton(dc, r, '4', state, kArrowScale);
    default:
        return false;
    }
}

bool drawCaption(HDC dc, const RECT &r, UINT state)
{
    switch (state & 0x1F) {
    case DFCS_CAPTIONCLOSE:
        return drawMarkedButton(dc, r, 'r', state, kCaptionScale);
    case DFCS_CAPTIONMIN:
        return drawMarkedButton(dc, r, '0', state, kCaptionScale);
    case DFCS_CAPTIONMAX:
        return drawMarkedButton(dc, r, '1', state, kCaptionScale);
    case DFCS_CAPTIONRESTORE:
        return drawMarkedButton(dc, r, '2', state, kCaptionScale);
    case DFCS_CAPTIONHELP:
        return drawMarkedButton(dc, r, 's', state, kCaptionScale);
    default:
        return false;
    }
}

}  // namespace

BOOL WINAPI DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lprc || GetObjectType(hdc) == 0) {
            SetLastError(lprc ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        switch (uType) {
        case DFC_BUTTON:
            return drawButton(hdc, *lprc, uState) ? TRUE : FALSE;
        case DFC_SCROLL:
            return drawScroll(hdc, *lprc, uState) ? TRUE : FALSE;
        case DFC_CAPTION:
            return drawCaption(hdc, *lprc, uState) ? TRUE : FALSE;
        default:
            return FALSE;
        }
    });
}
