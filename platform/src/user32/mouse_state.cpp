// The cursor's position, the capture, the buttons held, and the hit test of a screen point.
#include "user32/mouse_state.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "kernel32/no_destructor.h"
#include "user32/thread_queue.h"
#include "user32/window_state.h"
#include "user32/window_table.h"

namespace vks::detail {

namespace {

struct MouseState {
    std::mutex lock;
    // Windows starts with the cursor in the middle of the screen.
    POINT position{(kScreenRect.left + kScreenRect.right) / 2,
                   (kScreenRect.top + kScreenRect.bottom) / 2};
    WPARAM buttons = 0;
};

MouseState &mouseState()
{
    static NoDestructor<MouseState> state;
    return *state;
}

bool contains(const RECT &r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

POINT clientOrigin(WindowTable &table, const WindowRecord *record) VKS_REQUIRES(windowLock)
{
    POINT origin{0, 0};
    for (; record; record = record->parent ? table.find(record->parent) : nullptr) {
        origin.x += record->rect.left;
        origin.y += record->rect.top;
    }
    return origin;
}

HWND topLevelAt(WindowTable &table, POINT screen) VKS_REQUIRES(windowLock)
{
    for (HWND top : table.topLevel()) {
        const WindowRecord *record = table.find(top);
        if ((record->style & WS_VISIBLE) && contains(record->rect, screen))
            return top;
    }
    return nullptr;
}

// Descends from `from` to the deepest visible child at the point; a disabled child leaves the
// point to its parent unless asked to take it.
HWND deepestAt(WindowTable &table, HWND from, POINT screen, bool takeDisabled) VKS_REQUIRES(windowLock)
{
    const WindowRecord *record = table.find(from);
    const POINT origin = clientOrigin(table, record);
    const POINT local{screen.x - origin.x, screen.y - origin.y};
    for (HWND child : record->children) {
        const WindowRecord *childRecord = table.find(child);
        if (!(childRecord->style & WS_VISIBLE) || !contains(childRecord->rect, local))
            continue;
        if ((childRecord->style & WS_DISABLED) && !takeDisabled)
            return from;
        return deepestAt(table, child, screen, takeDisabled);
    }
    return from;
}

struct Hit {
    HWND hwnd;
    HWND top;
    DWORD threadId;
    bool topDisabled;
};

std::optional<Hit> hitAt(POINT screen)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const HWND top = topLevelAt(table, screen);
    if (!top)
        return std::nullopt;
    const WindowRecord *record = table.find(top);
    const bool disabled = (record->style & WS_DISABLED) != 0;
    return Hit{disabled ? top : deepestAt(table, top, screen, false), top, record->threadId,
               disabled};
}

HWND topLevelOf(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    while (record && record->parent)
        record = table.find(record->parent);
    return record ? record->handle : nullptr;
}

}  // namespace

POINT cursorPosition()
{
    MouseState &state = mouseState();
    std::lock_guard guard(state.lock);
    return state.position;
}

POINT placeCursor(POINT screen)
{
    const POINT kept{std::clamp(screen.x, kScreenRect.left, kScreenRect.right - 1),
                     std::clamp(screen.y, kScreenRect.top, kScreenRect.bottom - 1)};
    MouseState &state = mouseState();
    std::lock_guard guard(state.lock);
    state.position = kept;
    return kept;
}

HWND captureWindow()
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const ThreadWindows *thread = table.threadWindows(GetCurrentThreadId());
    return thread && thread->capture && table.find(thread->capture) ? thread->capture : nullptr;
}

HWND exchangeCapture(HWND hwnd)
{
    currentQueue();  // the thread's state comes with its queue
    WindowTable &table = windowTable();
    WindowLock guard;
    ThreadWindows *thread = table.threadWindows(GetCurrentThreadId());
    const HWND previous = std::exchange(thread->capture, hwnd);
    return previous && table.find(previous) ? previous : nullptr;
}

std::optional<MouseTarget> mouseTargetAt(POINT screen)
{
    if (const HWND capture = captureWindow())
        return MouseTarget{capture, topLevelOf(capture), HTCLIENT};
    const std::optional<Hit> hit = hitAt(screen);
    if (!hit || hit->threadId != GetCurrentThreadId())
        return std::nullopt;
    if (hit->topDisabled)
        return MouseTarget{hit->top, hit->top, HTERROR};
    MouseTarget target{hit->hwnd, hit->top, HTCLIENT};
    const LPARAM where = MAKELPARAM(screen.x, screen.y);
    target.hit = SendMessageA(target.hwnd, WM_NCHITTEST, 0, where);
    // A transparent window lets its parent take the point.
    while (target.hit == HTTRANSPARENT && target.hwnd != target.top) {
        target.hwnd = GetParent(target.hwnd);
        target.hit = SendMessageA(target.hwnd, WM_NCHITTEST, 0, where);
    }
    return target;
}

HWND windowAtForHelp(HWND top, POINT screen)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(top);
    if (!record || !contains(record->rect, screen))
        return nullptr;
    return deepestAt(table, top, screen, true);
}

POINT screenToClientPoint(HWND hwnd, POINT screen)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const POINT origin = clientOrigin(table, table.find(hwnd));
    return {screen.x - origin.x, screen.y - origin.y};
}

bool isButtonPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

WPARAM buttonStateAfter(UINT message)
{
    MouseState &state = mouseState();
    std::lock_guard guard(state.lock);
    switch (message) {
    case WM_LBUTTONDOWN:
        state.buttons |= MK_LBUTTON;
        break;
    case WM_LBUTTONUP:
        state.buttons &= ~static_cast<WPARAM>(MK_LBUTTON);
        break;
    case WM_RBUTTONDOWN:
        state.buttons |= MK_RBUTTON;
        break;
    case WM_RBUTTONUP:
        state.buttons &= ~static_cast<WPARAM>(MK_RBUTTON);
        break;
    case WM_MBUTTONDOWN:
        state.buttons |= MK_MBUTTON;
        break;
    case WM_MBUTTONUP:
        state.buttons &= ~static_cast<WPARAM>(MK_MBUTTON);
        break;
    default:
        break;
    }
    return state.buttons;
}

}  // namespace vks::detail
