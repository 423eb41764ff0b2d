// SetFocus and GetFocus: the keyboard focus of each thread.
#include <utility>

#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// Stores the thread's new focus; the previous one, when it is still a window.
HWND exchangeFocus(DWORD threadId, HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    ThreadWindows *thread = table.threadWindows(threadId);
    if (!thread)
        return nullptr;
    const HWND previous = std::exchange(thread->focus, hwnd);
    return previous && table.find(previous) ? previous : nullptr;
}

enum class FocusCheck { Ok, NoWindow, OtherThread, Refused };

// Like Windows: a window that is, or sits in, a minimised or disabled window takes no focus.
FocusCheck checkFocusable(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    if (!record)
        return FocusCheck::NoWindow;
    if (record->threadId != GetCurrentThreadId())
        return FocusCheck::OtherThread;
    for (; record; record = record->parent ? table.find(record->parent) : nullptr)
        if (record->style & (WS_MINIMIZE | WS_DISABLED))
            return FocusCheck::Refused;
    return FocusCheck::Ok;
}

bool isWithin(HWND hwnd, HWND ancestor)
{
    return hwnd == ancestor || IsChild(ancestor, hwnd);
}

}  // namespace

namespace vks::detail {

HWND focusOfThread(DWORD threadId)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const ThreadWindows *thread = table.threadWindows(threadId);
    return thread && thread->focus && table.find(thread->focus) ? thread->focus : nullptr;
}

HWND moveFocus(DWORD threadId, HWND hwnd)
{
    const HWND previous = exchangeFocus(threadId, hwnd);
    if (previous == hwnd)
        return previous;
    if (previous)
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    // The old window's WM_KILLFOCUS may have moved the focus on; then the new one hears nothing.
    if (hwnd && focusOfThread(threadId) == hwnd)
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

void releaseFocusFrom(HWND hwnd, bool withDescendants)
{
    const std::optional<DWORD> threadId = threadOfWindow(hwnd);
    if (!threadId)
        return;
    const HWND focus = focusOfThread(*threadId);
    if (!focus || (focus != hwnd && !(withDescendants && isWithin(focus, hwnd))))
        return;
    const HWND parent = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
    if (parent && checkFocusable(parent) == FocusCheck::Ok)
        moveFocus(*threadId, parent);
    else
        moveFocus(*threadId, nullptr);
}

}  // namespace vks::detail

HWND WINAPI SetFocus(HWND hWnd)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        const DWORD thread = GetCurrentThreadId();
        if (!hWnd)
            return moveFocus(thread, nullptr);
        switch (checkFocusable(hWnd)) {
        case FocusCheck::NoWindow:
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        case FocusCheck::OtherThread:
            SetLastError(ERROR_ACCESS_DENIED);
            return nullptr;
        case FocusCheck::Refused:
            return nullptr;
        case FocusCheck::Ok:
            break;
        }
        // A window of an inactive top-level window activates that one first; its activation
        // may move the focus itself, or end with another window active.
        const HWND top = rootOf(hWnd);
        if (top != GetActiveWindow()) {
            activateWindow(top);
            if (!IsWindow(hWnd) || GetActiveWindow() != top)
                return nullptr;
        }
        return moveFocus(thread, hWnd);
    });
}

HWND WINAPI GetFocus(void)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        return focusOfThread(GetCurrentThreadId());
    });
}
