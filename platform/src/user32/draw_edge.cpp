// DrawEdge and DrawFocusRect: the classic three-dimensional edges and the dotted focus frame.
#include <optional>

#include "user32/ui_paint.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// The system colours of one line of an edge: its top-left and its bottom-right sides.
struct LineColours {
    int topLeft;
    int bottomRight;
};

constexpr UINT kRaisedOuter = BDR_RAISEDOUTER;
constexpr UINT kSunkenOuter = BDR_SUNKENOUTER;
constexpr UINT kRaisedInner = BDR_RAISEDINNER;
constexpr UINT kSunkenInner = BDR_SUNKENINNER;

// The outer line: light above dark when raised, the reverse when sunken; BF_SOFT lights the
// outer line of a raised edge brighter, as push buttons have it.
std::optional<LineColours> outerLine(UINT edge, UINT flags)
{
    if (flags & BF_MONO)
        return LineColours{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
    if (flags & BF_FLAT)
        return LineColours{COLOR_BTNSHADOW, COLOR_BTNSHADOW};
    if (edge & kRaisedOuter)
        return LineColours{flags & BF_SOFT ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    if (edge & kSunkenOuter)
        return LineColours{flags & BF_SOFT ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    return std::nullopt;
}

std::optional<LineColours> innerLine(UINT edge, UINT flags)
{
    if (flags & BF_MONO)
        return LineColours{COLOR_WINDOW, COLOR_WINDOW};
    if (flags & BF_FLAT)
        return LineColours{COLOR_BTNFACE, COLOR_BTNFACE};
    if (edge & kRaisedInner)
        return LineColours{flags & BF_SOFT ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    if (edge & kSunkenInner)
        return LineColours{flags & BF_SOFT ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
    return std::nullopt;
}

// One line around the rectangle on the sides the flags name. The top-right and bottom-left
// corner pixels belong to the right and bottom sides.
void drawLine(HDC dc, const RECT &r, const LineColours &colours, UINT flags)
{
    if (flags & BF_TOP)
        paintRect(dc, {r.left, r.top, r.right - 1, r.top + 1}, colours.topLeft);
    if (flags & BF_LEFT)
        paintRect(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, colours.topLeft);
    if (flags & BF_BOTTOM)
        paintRect(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colours.bottomRight);
    if (flags & BF_RIGHT)
        paintRect(dc, {r.right - 1, r.top, r.right, r.bottom}, colours.bottomRight);
}

// The rectangle within one line on the named sides.
RECT inside(RECT r, UINT flags)
{
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_RIGHT)
        --r.right;
    if (flags & BF_BOTTOM)
        --r.bottom;
    return r;
}

}  // namespace

BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!qrc || (grfFlags & BF_DIAGONAL) || GetObjectType(hdc) == 0) {
            SetLastError(qrc && GetObjectType(hdc) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
            return FALSE;
        }
        RECT r = *qrc;
        if (const auto outer = outerLine(edge, grfFlags)) {
            drawLine(hdc, r, *outer, grfFlags);
            r = inside(r, grfFlags);
        }
        if (const auto inner = innerLine(edge, grfFlags)) {
            drawLine(hdc, r, *inner, grfFlags);
            r = inside(r, grfFlags);
        }
        if (grfFlags & BF_MIDDLE)
            paintRect(hdc, r, grfFlags & BF_MONO ? COLOR_WINDOW : COLOR_BTNFACE);
        if (grfFlags & BF_ADJUST)
            *qrc = r;
        return TRUE;
    });
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT *lprc)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lprc || GetObjectType(hDC) == 0) {
            SetLastError(lprc ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const RECT &r = *lprc;
        if (r.right <= r.left || r.bottom <= r.top)
            return TRUE;
        // Every other pixel of the frame inverted, as the checkered pattern brush does: drawn a
        // second time, the frame goes again.
        auto invert = [&](LONG x, LONG y) {
            if (((x + y) & 1) == 0)
                PatBlt(hDC, x, y, 1, 1, DSTINVERT);
        };
        for (LONG x = r.left; x < r.right; ++x) {
            invert(x, r.top);
            if (r.bottom - 1 > r.top)
                invert(x, r.bottom - 1);
        }
        for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
            invert(r.left, y);
            if (r.right - 1 > r.left)
                invert(r.right - 1, y);
        }
        return TRUE;
    });
}
