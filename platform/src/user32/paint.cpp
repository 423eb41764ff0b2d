// InvalidateRect, ValidateRect, GetUpdateRect, UpdateWindow, RedrawWindow, BeginPaint, EndPaint.
#include <vector>

#include "gdi32/display_list.h"
#include "user32/paint_dc.h"
#include "user32/paint_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// A null window stands for the desktop, which repaints every top-level window and its children;
// its rectangle is in screen coordinates.
void redrawEverything(const RECT *screenRect, UINT flags)
{
    std::vector<std::pair<HWND, RECT>> tops;
    {
        WindowTable &table = windowTable();
        WindowLock guard;
        for (HWND top : table.topLevel())
            tops.emplace_back(top, table.find(top)->rect);
    }
    for (const auto &[top, rect] : tops) {
        if (!screenRect) {
            redrawWindow(top, nullptr, flags);
            continue;
        }
        const RECT inTop{screenRect->left - rect.left, screenRect->top - rect.top,
                         screenRect->right - rect.left, screenRect->bottom - rect.top};
        redrawWindow(top, &inTop, flags);
    }
}

BOOL redraw(HWND hwnd, const RECT *rect, UINT flags)
{
    if (!hwnd) {
        redrawEverything(rect, flags);
        return TRUE;
    }
    if (!IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    redrawWindow(hwnd, rect, flags);
    return TRUE;
}

// What Windows does for the desktop when InvalidateRect or ValidateRect is given no window.
constexpr UINT kRedrawDesktop = RDW_ALLCHILDREN | RDW_INVALIDATE | RDW_FRAME | RDW_ERASE |
                                RDW_ERASENOW;

// Painting the whole client area draws every item anew, so the old display list goes.
bool coversClientArea(HWND hwnd, const RECT &update)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    return update.left <= client.left && update.top <= client.top &&
           update.right >= client.right && update.bottom >= client.bottom;
}

}  // namespace

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!hWnd)
            return redraw(nullptr, nullptr, kRedrawDesktop);
        return redraw(hWnd, lpRect, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
    });
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT *lpRect)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!hWnd)
            return redraw(nullptr, nullptr, kRedrawDesktop);
        return redraw(hWnd, lpRect, RDW_VALIDATE);
    });
}

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT *lprcUpdate, HRGN hrgnUpdate, UINT flags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        // No call makes regions here, so no region handle can be valid.
        if (hrgnUpdate) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        return redraw(hWnd, lprcUpdate, flags);
    });
}

BOOL WINAPI UpdateWindow(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!hWnd) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        return redraw(hWnd, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const std::optional<RECT> update = updateRectOf(hWnd);
        if (!update) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        const bool invalid = update->right > update->left && update->bottom > update->top;
        if (lpRect)
            *lpRect = *update;
        if (invalid && bErase)
            redrawWindow(hWnd, nullptr, RDW_ERASENOW | RDW_NOCHILDREN);
        return invalid ? TRUE : FALSE;
    });
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    return vks::atWin32Boundary<HDC>(nullptr, [&]() -> HDC {
        if (!lpPaint) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        const std::optional<PaintStart> start = takeUpdate(hWnd);
        if (!start) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        *lpPaint = PAINTSTRUCT{};
        if (coversClientArea(hWnd, start->update))
            forgetDrawn(hWnd);
        lpPaint->hdc = openPaintDc(hWnd, &start->update);
        lpPaint->rcPaint = start->update;
        // The window has erased when its WM_ERASEBKGND answers non-zero; otherwise the painter
        // is told to.
        if (start->erase)
            lpPaint->fErase = SendMessageA(hWnd, WM_ERASEBKGND,
                                           reinterpret_cast<WPARAM>(lpPaint->hdc), 0)
                                  ? FALSE
                                  : TRUE;
        return lpPaint->hdc;
    });
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT *lpPaint)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpPaint)
            return FALSE;
        closePaintDc(hWnd, lpPaint->hdc);
        return TRUE;
    });
}
