// GetDC, ReleaseDC, FillRect: drawing on a window's client area, kept in its display list.
#include "gdi32/display_list.h"
#include "gdi32/gdi_objects.h"
#include "user32/paint_dc.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// Brush values 1 to COLOR_MENUBAR + 1 name a system colour, as class backgrounds do.
std::optional<COLORREF> brushColour(HBRUSH brush)
{
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_MENUBAR + 1)
        return GetSysColor(static_cast<int>(value - 1));
    if (auto solid = brushOf(brush))
        return solid->color;
    return std::nullopt;
}

}  // namespace

HDC WINAPI GetDC(HWND hWnd)
{
    return vks::atWin32Boundary<HDC>(nullptr, [&]() -> HDC {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        return openPaintDc(hWnd);
    });
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC)
{
    return vks::atWin32Boundary<int>(0, [&] { return closePaintDc(hWnd, hDC) ? 1 : 0; });
}

int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        const HWND window = windowOfDc(hDC);
        const std::optional<COLORREF> colour = brushColour(hbr);
        if (!window || !lprc || !colour) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        // Nothing is covered by an empty or inverted rectangle, and nothing is recorded.
        if (lprc->right > lprc->left && lprc->bottom > lprc->top) {
            VksDrawnItem item{};
            item.kind = VKS_DRAWN_FILL;
            item.rect = *lprc;
            item.color = *colour;
            recordDrawn(window, item);
        }
        return 1;
    });
}
