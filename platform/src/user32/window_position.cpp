// SetWindowPos, MoveWindow and BringWindowToTop: position, size, Z-order and visibility, with
// WM_WINDOWPOSCHANGING before the change and WM_WINDOWPOSCHANGED after it.
#include <algorithm>
#include <mutex>
#include <optional>

#include "user32/paint_state.h"
#include "user32/size_state.h"
#include "user32/window_geometry.h"
#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// Windows' own flags in WM_WINDOWPOSCHANGED: the client area kept its size / its place.
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;
// Nothing that WM_WINDOWPOSCHANGED reports changed.
constexpr UINT kNoChange = SWP_NOSIZE | SWP_NOMOVE | kNoClientSize | kNoClientMove | SWP_NOZORDER;
constexpr UINT kReported = kNoChange | SWP_FRAMECHANGED | SWP_HIDEWINDOW | SWP_SHOWWINDOW;

bool isSpecialInsertAfter(HWND after)
{
    return after == HWND_TOP || after == HWND_BOTTOM || after == HWND_TOPMOST ||
           after == HWND_NOTOPMOST;
}

// The window right below `sibling` in Z-order, or null.
HWND nextSibling(WindowTable &table, const WindowRecord &sibling) VKS_REQUIRES(windowLock)
{
    const std::vector<HWND> &siblings = table.siblingsOf(sibling);
    const auto self = std::find(siblings.begin(), siblings.end(), sibling.handle);
    return self != siblings.end() && self + 1 != siblings.end() ? *(self + 1) : nullptr;
}

// The request as WM_WINDOWPOSCHANGING shows it, with the flags Windows adds for what would not
// change; empty (with the error set) for no window or an insert-after that is none or no sibling.
std::optional<WINDOWPOS> prepare(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return std::nullopt;
    }
    WINDOWPOS pos{hwnd, after, x, y, std::max(cx, 0), std::max(cy, 0), flags};
    if (!(flags & SWP_NOZORDER) && !isSpecialInsertAfter(after)) {
        const WindowRecord *sibling = table.find(after);
        if (!sibling) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return std::nullopt;
        }
        if (sibling->parent != record->parent) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return std::nullopt;
        }
        // Inserting a window after itself, or where it already is, moves nothing.
        if (after == hwnd || nextSibling(table, *sibling) == hwnd)
            pos.flags |= SWP_NOZORDER;
    }
    if (widthOf(record->rect) == pos.cx && heightOf(record->rect) == pos.cy)
        pos.flags |= SWP_NOSIZE;
    if (record->rect.left == x && record->rect.top == y)
        pos.flags |= SWP_NOMOVE;
    const bool visible = (record->style & WS_VISIBLE) != 0;
    pos.flags &= ~static_cast<UINT>(visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (record->style & WS_CHILD)
        pos.flags |= SWP_NOACTIVATE;
    return pos;
}

void applyZOrder(WindowTable &table, const WindowRecord &record, HWND after) VKS_REQUIRES(windowLock)
{
    if (after == HWND_BOTTOM) {
        table.sendToBottom(record.handle);
    } else if (isSpecialInsertAfter(after)) {
        table.bringToTop(record.handle);
    } else if (const WindowRecord *sibling = table.find(after);
               sibling && sibling->parent == record.parent) {
        // A procedure that changed hwndInsertAfter to no sibling changes nothing.
        table.placeAfter(record.handle, after);
    }
}

// Carries out the request as WM_WINDOWPOSCHANGING left it; the final position and the flags of
// what did not change, for WM_WINDOWPOSCHANGED. Empty when the window has gone meanwhile.
std::optional<WINDOWPOS> apply(WINDOWPOS pos)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(pos.hwnd);
    if (!record)
        return std::nullopt;
    const RECT old = record->rect;
    RECT rect = old;
    if (!(pos.flags & SWP_NOMOVE))
        rect = {pos.x, pos.y, pos.x + widthOf(old), pos.y + heightOf(old)};
    if (!(pos.flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(pos.cx, 0);
        rect.bottom = rect.top + std::max(pos.cy, 0);
    }
    record->rect = rect;
    if (sizeStateOf(*record) == SizeState::Normal)
        record->normalRect = rect;
    if (!(pos.flags & SWP_NOZORDER))
        applyZOrder(table, *record, pos.hwndInsertAfter);
    if (pos.flags & SWP_SHOWWINDOW)
        record->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW)
        record->style &= ~static_cast<DWORD>(WS_VISIBLE);
    if (widthOf(rect) == widthOf(old) && heightOf(rect) == heightOf(old))
        pos.flags |= SWP_NOSIZE | kNoClientSize;
    if (rect.left == old.left && rect.top == old.top)
        pos.flags |= SWP_NOMOVE | kNoClientMove;
    pos.x = rect.left;
    pos.y = rect.top;
    pos.cx = widthOf(rect);
    pos.cy = heightOf(rect);
    return pos;
}

WPARAM sizeKind(HWND hwnd)
{
    const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (style & WS_MINIMIZE)
        return SIZE_MINIMIZED;
    return (style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

}  // namespace

namespace vks::detail {

LRESULT defaultWindowPosChanged(HWND hwnd, const WINDOWPOS *pos)
{
    if (!pos)
        return 0;
    // The client area is the whole window, so its origin is the window's position.
    if (!(pos->flags & kNoClientMove))
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(pos->x, pos->y));
    if (!(pos->flags & kNoClientSize))
        SendMessageA(hwnd, WM_SIZE, sizeKind(hwnd), MAKELPARAM(pos->cx, pos->cy));
    return 0;
}

}  // namespace vks::detail

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                         UINT uFlags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        std::optional<WINDOWPOS> pos = prepare(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
        if (!pos)
            return FALSE;
        if (!(pos->flags & SWP_NOSENDCHANGING))
            SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&*pos));
        // Nothing keeps a window's old pixels, so a visible window that moves or changes size is
        // painted again whole, and so is what it uncovers.
        const bool repaint = !(pos->flags & SWP_NOREDRAW) && IsWindowVisible(hWnd) &&
                             (~pos->flags & (SWP_NOMOVE | SWP_NOSIZE));
        if (repaint)
            exposeHiddenWindow(hWnd);
        const std::optional<WINDOWPOS> done = apply(*pos);
        if (!done)
            return FALSE;
        if (repaint || (done->flags & SWP_SHOWWINDOW))
            exposeShownWindow(hWnd);
        if (done->flags & SWP_HIDEWINDOW) {
            exposeHiddenWindow(hWnd);
            passActivationFrom(hWnd);
            releaseFocusFrom(hWnd, false);
        } else if (!(done->flags & SWP_NOACTIVATE)) {
            activateWindow(hWnd);
        }
        // Like Windows: nothing changed, nothing reported.
        if ((done->flags & kReported) != kNoChange && IsWindow(hWnd)) {
            WINDOWPOS changed = *done;
            SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
        }
        return TRUE;
    });
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const UINT redraw = bRepaint ? 0 : SWP_NOREDRAW;
        return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                            SWP_NOZORDER | SWP_NOACTIVATE | redraw);
    });
}

BOOL WINAPI BringWindowToTop(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    });
}
