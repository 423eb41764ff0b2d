// Timers: SetTimer and KillTimer over each thread's timer list.
#include "user32/timer.h"

#include <algorithm>
#include <atomic>

#include "user32/thread_queue.h"
#include "vksboundary.h"
#include "user32/window_table.h"

namespace vks::detail {

namespace {

constexpr UINT kMinimumInterval = 10;
constexpr UINT kMaximumInterval = 0x7FFFFFFF;

// How long ago a timer fell due (negative: not yet), across the tick count's wrap-around.
std::int32_t overdue(DWORD now, DWORD due)
{
    return static_cast<std::int32_t>(now - due);
}

}  // namespace

void TimerList::set(HWND hwnd, UINT_PTR id, UINT interval, TIMERPROC proc, DWORD now)
{
    interval = std::clamp(interval, kMinimumInterval, kMaximumInterval);
    const Timer timer{hwnd, id, interval, now + interval, proc};
    const auto found = std::find_if(timers_.begin(), timers_.end(), [&](const Timer &t) {
        return t.hwnd == hwnd && t.id == id;
    });
    if (found != timers_.end())
        *found = timer;
    else
        timers_.push_back(timer);
}

bool TimerList::kill(HWND hwnd, UINT_PTR id)
{
    return std::erase_if(timers_, [&](const Timer &t) { return t.hwnd == hwnd && t.id == id; }) >
           0;
}

void TimerList::killWindow(HWND hwnd)
{
    std::erase_if(timers_, [&](const Timer &t) { return t.hwnd == hwnd; });
}

bool TimerList::has(HWND hwnd, UINT_PTR id) const
{
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer &t) { return t.hwnd == hwnd && t.id == id; });
}

std::optional<MSG> TimerList::due(DWORD now, const MessageFilter &filter, bool take)
{
    if (!filter.acceptsNumber(WM_TIMER))
        return std::nullopt;
    Timer *latest = nullptr;
    for (Timer &timer : timers_)
        if (overdue(now, timer.due) >= 0 && filter.acceptsWindow(timer.hwnd) &&
            (!latest || overdue(now, timer.due) > overdue(now, latest->due)))
            latest = &timer;
    if (!latest)
        return std::nullopt;
    MSG msg{};
    msg.hwnd = latest->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = latest->id;
    msg.lParam = reinterpret_cast<LPARAM>(latest->proc);
    msg.time = now;
    if (take)
        latest->due = now + latest->interval;
    return msg;
}

std::optional<DWORD> TimerList::untilNextDue(DWORD now) const
{
    std::optional<DWORD> soonest;
    for (const Timer &timer : timers_) {
        const std::int32_t late = overdue(now, timer.due);
        const DWORD wait = late >= 0 ? 0 : static_cast<DWORD>(-static_cast<std::int64_t>(late));
        if (!soonest || wait < *soonest)
            soonest = wait;
    }
    return soonest;
}

}  // namespace vks::detail

using namespace vks::detail;

namespace {

// Thread timers (no window) get ids of their own, process-wide; 0 is never one.
UINT_PTR newThreadTimerId()
{
    static std::atomic<UINT_PTR> next{1};
    UINT_PTR id = next++;
    return id ? id : next++;
}

}  // namespace

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    return vks::atWin32Boundary<UINT_PTR>(0, [&]() -> UINT_PTR {
        if (!hWnd) {
            MessageQueue &queue = currentQueue();
            // An id that names one of the thread's timers replaces it; any other gets a new id.
            const UINT_PTR id =
                nIDEvent && queue.hasTimer(nullptr, nIDEvent) ? nIDEvent : newThreadTimerId();
            queue.setTimer(nullptr, id, uElapse, lpTimerFunc);
            return id;
        }
        const std::shared_ptr<MessageQueue> queue = queueOfWindow(hWnd);
        if (!queue) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        queue->setTimer(hWnd, nIDEvent, uElapse, lpTimerFunc);
        // Non-zero for success: the id itself, unless the id is 0.
        return nIDEvent ? nIDEvent : 1;
    });
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        MessageQueue *queue = &currentQueue();
        std::shared_ptr<MessageQueue> windowQueue;
        if (hWnd) {
            windowQueue = queueOfWindow(hWnd);
            if (!windowQueue) {
                SetLastError(ERROR_INVALID_WINDOW_HANDLE);
                return FALSE;
            }
            queue = windowQueue.get();
        }
        if (!queue->killTimer(hWnd, uIDEvent)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return TRUE;
    });
}
