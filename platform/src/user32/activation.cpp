// The active window of each thread, the foreground window, and DefWindowProcA's focus on
// activation.
#include <atomic>
#include <utility>

#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// The thread's active window, when it is still a window.
HWND activeOfThread(DWORD threadId)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const ThreadWindows *thread = table.threadWindows(threadId);
    return thread && thread->active && table.find(thread->active) ? thread->active : nullptr;
}

void storeActive(DWORD threadId, HWND hwnd)
{
    WindowLock guard;
    if (ThreadWindows *thread = windowTable().threadWindows(threadId))
        thread->active = hwnd;
}

// The headless desktop has one foreground window: the one activated last, on any thread.
std::atomic<HWND> foregroundWindow{nullptr};

HWND aliveOrNull(HWND hwnd)
{
    return hwnd && IsWindow(hwnd) ? hwnd : nullptr;
}

WORD minimizedFlag(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZE) ? 1 : 0;
}

void tellDeactivated(HWND from, HWND to)
{
    SendMessageA(from, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(to));
    if (IsWindow(from))
        SendMessageA(from, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, minimizedFlag(from)),
                     reinterpret_cast<LPARAM>(to));
}

void tellActivated(HWND to, HWND from, WORD state)
{
    SendMessageA(to, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(from));
    if (IsWindow(to))
        SendMessageA(to, WM_ACTIVATE, MAKEWPARAM(state, minimizedFlag(to)),
                     reinterpret_cast<LPARAM>(from));
}

// As Windows: once the messages are through, a focus outside the new active window goes to
// that window (or to none when no window is active).
void settleFocus(DWORD threadId, HWND active)
{
    if (activeOfThread(threadId) != active)
        return;
    const HWND focus = focusOfThread(threadId);
    if (!focus || !active || rootOf(focus) != active)
        moveFocus(threadId, active);
}

void changeActivation(DWORD threadId, HWND from, HWND to, WORD state = WA_ACTIVE)
{
    storeActive(threadId, to);
    if (to)
        foregroundWindow = to;
    else if (from)
        foregroundWindow.compare_exchange_strong(from, nullptr);
    if (from && IsWindow(from))
        tellDeactivated(from, to);
    if (to && IsWindow(to))
        tellActivated(to, from, state);
    settleFocus(threadId, to && IsWindow(to) ? to : nullptr);
}

bool canTakeActivation(HWND hwnd)
{
    return hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

}  // namespace

namespace vks::detail {

void activateWindow(HWND hwnd, WORD state)
{
    const std::optional<DWORD> threadId = threadOfWindow(hwnd);
    if (!threadId)
        return;
    const HWND previous = activeOfThread(*threadId);
    if (previous == hwnd)
        return;
    changeActivation(*threadId, previous, hwnd, state);
}

void passActivationFrom(HWND hwnd)
{
    const std::optional<DWORD> threadId = threadOfWindow(hwnd);
    if (!threadId || activeOfThread(*threadId) != hwnd)
        return;
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    changeActivation(*threadId, hwnd, canTakeActivation(owner) ? owner : nullptr);
}

LRESULT defaultActivate(HWND hwnd, WPARAM wParam)
{
    // The default action gives the keyboard focus to a window that becomes active, unless it is
    // minimised.
    if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
        SetFocus(hwnd);
    return 0;
}

}  // namespace vks::detail

HWND WINAPI GetActiveWindow(void)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        return activeOfThread(GetCurrentThreadId());
    });
}

HWND WINAPI SetActiveWindow(HWND hWnd)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        const DWORD thread = GetCurrentThreadId();
        const HWND previous = activeOfThread(thread);
        if (!hWnd) {
            if (previous)
                changeActivation(thread, previous, nullptr);
            return previous;
        }
        const std::optional<DWORD> owner = threadOfWindow(hWnd);
        if (!owner) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        if (*owner != thread) {
            SetLastError(ERROR_ACCESS_DENIED);
            return nullptr;
        }
        // Like Windows: a child cannot be active; the call changes nothing and answers the
        // active window.
        if (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)
            return previous;
        activateWindow(hWnd);
        return previous;
    });
}

HWND WINAPI GetForegroundWindow(void)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        return aliveOrNull(foregroundWindow.load());
    });
}

BOOL WINAPI SetForegroundWindow(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const HWND top = rootOf(hWnd);
        if (!top) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        activateWindow(top);
        foregroundWindow = top;
        return TRUE;
    });
}
