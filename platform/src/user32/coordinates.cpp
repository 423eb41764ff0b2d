// Client rectangles, point conversion between windows and the screen, and the windows under a
// point.
#include <mutex>
#include <optional>

#include "user32/window_geometry.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// The client origin on the screen; the screen's own for null; empty (with the error set) for a
// handle that is no window.
std::optional<POINT> originOf(HWND hwnd)
{
    if (!hwnd)
        return POINT{0, 0};
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return std::nullopt;
    }
    return clientOriginOnScreen(table, *record);
}

// Moves the point by the window's client origin: `sign` +1 from client to screen, -1 back.
BOOL moveByClientOrigin(HWND hWnd, LPPOINT point, int sign)
{
    const std::optional<POINT> origin = hWnd ? originOf(hWnd) : std::nullopt;
    if (!hWnd)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    if (!origin)
        return FALSE;
    if (!point) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    point->x += sign * origin->x;
    point->y += sign * origin->y;
    return TRUE;
}

bool contains(const RECT &rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

bool isVisible(const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    return (record.style & WS_VISIBLE) != 0;
}

// Like Windows: a disabled child lets the point fall to its parent; a disabled top-level window
// is still found.
bool takesPoint(const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    return isVisible(record) && !(record.parent && (record.style & WS_DISABLED));
}

// The deepest child of `record` under the point, given in record's client coordinates.
HWND deepestUnder(WindowTable &table, const WindowRecord &record, POINT point) VKS_REQUIRES(windowLock)
{
    for (HWND child : record.children) {
        const WindowRecord *inner = table.find(child);
        if (inner && takesPoint(*inner) && contains(inner->rect, point))
            return deepestUnder(table, *inner,
                                {point.x - inner->rect.left, point.y - inner->rect.top});
    }
    return record.handle;
}

}  // namespace

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = table.find(hWnd);
        if (!record) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        if (!lpRect) {
            SetLastError(ERROR_NOACCESS);
            return FALSE;
        }
        *lpRect = {0, 0, widthOf(record->rect), heightOf(record->rect)};
        return TRUE;
    });
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        const std::optional<POINT> from = originOf(hWndFrom);
        const std::optional<POINT> to = originOf(hWndTo);
        if (!from || !to)
            return 0;
        const LONG dx = from->x - to->x;
        const LONG dy = from->y - to->y;
        for (UINT i = 0; lpPoints && i < cPoints; ++i) {
            lpPoints[i].x += dx;
            lpPoints[i].y += dy;
        }
        return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
    });
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&] { return moveByClientOrigin(hWnd, lpPoint, -1); });
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&] { return moveByClientOrigin(hWnd, lpPoint, +1); });
}

HWND WINAPI WindowFromPoint(POINT Point)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        WindowTable &table = windowTable();
        WindowLock guard;
        for (HWND top : table.topLevel()) {
            const WindowRecord *record = table.find(top);
            if (record && isVisible(*record) && contains(record->rect, Point))
                return deepestUnder(table, *record,
                                    {Point.x - record->rect.left, Point.y - record->rect.top});
        }
        return nullptr;
    });
}

HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *parent = table.find(hWndParent);
        if (!parent) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        const RECT client{0, 0, widthOf(parent->rect), heightOf(parent->rect)};
        if (!contains(client, Point))
            return nullptr;
        // Unlike WindowFromPoint, hidden and disabled children count.
        for (HWND child : parent->children)
            if (const WindowRecord *record = table.find(child);
                record && contains(record->rect, Point))
                return child;
        return hWndParent;
    });
}
