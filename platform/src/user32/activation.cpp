// The active window of each thread.
#include <mutex>
#include <unordered_map>

#include "user32/window_state.h"
#include "vksboundary.h"
#include "window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// One entry per thread that has had an active window; a window that is gone reads as none.
class ActiveWindows {
public:
    HWND of(DWORD threadId)
    {
        std::lock_guard guard(lock_);
        const auto found = active_.find(threadId);
        return found == active_.end() ? nullptr : found->second;
    }
    // The previous active window of the thread.
    HWND exchange(DWORD threadId, HWND hwnd)
    {
        std::lock_guard guard(lock_);
        HWND &slot = active_[threadId];
        const HWND previous = slot;
        slot = hwnd;
        return previous;
    }

private:
    std::mutex lock_;
    std::unordered_map<DWORD, HWND> active_;
};

ActiveWindows &activeWindows()
{
    static ActiveWindows &windows = *new ActiveWindows;
    return windows;
}

void changeActivation(DWORD threadId, HWND from, HWND to, WORD state = WA_ACTIVE)
{
    activeWindows().exchange(threadId, to);
    if (from && IsWindow(from))
        SendMessageA(from, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(to));
    if (to && IsWindow(to))
        SendMessageA(to, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(from));
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
    const HWND previous = activeWindows().of(*threadId);
    if (previous == hwnd)
        return;
    changeActivation(*threadId, IsWindow(previous) ? previous : nullptr, hwnd, state);
}

void passActivationFrom(HWND hwnd)
{
    const std::optional<DWORD> threadId = threadOfWindow(hwnd);
    if (!threadId || activeWindows().of(*threadId) != hwnd)
        return;
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    changeActivation(*threadId, hwnd, canTakeActivation(owner) ? owner : nullptr);
}

}  // namespace vks::detail

HWND WINAPI GetActiveWindow(void)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        const HWND active = activeWindows().of(GetCurrentThreadId());
        return IsWindow(active) ? active : nullptr;
    });
}
