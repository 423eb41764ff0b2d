// GetDC, GetWindowDC, ReleaseDC, FillRect, FrameRect and InvertRect: drawing on windows' DCs,
// fills also kept in the window's display list.
#include "gdi32/display_list.h"
#include "gdi32/gdi_objects.h"
#include "user32/paint_dc.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// Brush values 1 to COLOR_MENUBAR + 1 name a system colour, as class backgrounds do.
HBRUSH realBrush(HBRUSH brush)
{
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_MENUBAR + 1)
        return GetSysColorBrush(static_cast<int>(value - 1));
    return brush;
}

// Paints the rectangle with the brush through the DC's pattern; false when the DC or the brush
// is no object.
bool patternFill(HDC dc, const RECT &r, HBRUSH brush, DWORD rop)
{
    const HGDIOBJ previous = SelectObject(dc, brush);
    if (!previous)
        return false;
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, rop);
    SelectObject(dc, previous);
    return true;
}

bool covers(const RECT &r)
{
    return r.right > r.left && r.bottom > r.top;
}

HDC openDc(HWND hWnd)
{
    if (!IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return openPaintDc(hWnd);
}

}  // namespace

HDC WINAPI GetDC(HWND hWnd)
{
    return vks::atWin32Boundary<HDC>(nullptr, [&] { return openDc(hWnd); });
}

HDC WINAPI GetWindowDC(HWND hWnd)
{
    // Windows have no frame here, so the window's DC is its client area's.
    return vks::atWin32Boundary<HDC>(nullptr, [&] { return openDc(hWnd); });
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC)
{
    return vks::atWin32Boundary<int>(0, [&] { return closePaintDc(hWnd, hDC) ? 1 : 0; });
}

int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        const HBRUSH brush = realBrush(hbr);
        const std::optional<BrushObject> solid = brushOf(brush);
        if (!lprc || !solid || !patternFill(hDC, *lprc, brush, PATCOPY)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        // Nothing is covered by an empty or inverted rectangle, and nothing is recorded.
        const HWND window = windowOfDc(hDC);
        if (window && covers(*lprc) && !solid->hollow) {
            VksDrawnItem item{};
            item.kind = VKS_DRAWN_FILL;
            item.rect = *lprc;
            item.color = solid->color;
            recordDrawn(window, item);
        }
        return 1;
    });
}

int WINAPI FrameRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        const HBRUSH brush = realBrush(hbr);
        if (!lprc || !brushOf(brush)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        const RECT &r = *lprc;
        if (!covers(r))
            return 1;
        const RECT sides[] = {{r.left, r.top, r.right, r.top + 1},
                              {r.left, r.bottom - 1, r.right, r.bottom},
                              {r.left, r.top, r.left + 1, r.bottom},
                              {r.right - 1, r.top, r.right, r.bottom}};
        for (const RECT &side : sides)
            if (!patternFill(hDC, side, brush, PATCOPY))
                return 0;
        return 1;
    });
}

BOOL WINAPI InvertRect(HDC hDC, const RECT *lprc)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lprc) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return PatBlt(hDC, lprc->left, lprc->top, lprc->right - lprc->left,
                      lprc->bottom - lprc->top, DSTINVERT);
    });
}
