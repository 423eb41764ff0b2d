// Internal: the timers of one thread's queue. Not locked itself: the queue's lock guards it.
#pragma once

#include <optional>
#include <vector>

#include "user32/message_filter.h"
#include "windows.h"

namespace vks::detail {

class TimerList {
public:
    // Adds the timer (window, id), or replaces and restarts the one already there.
    void set(HWND hwnd, UINT_PTR id, UINT interval, TIMERPROC proc, DWORD now);
    bool kill(HWND hwnd, UINT_PTR id);
    void killWindow(HWND hwnd);
    bool has(HWND hwnd, UINT_PTR id) const;

    // A WM_TIMER for the most overdue timer the filter accepts; taking it restarts that timer
    // from `now`, so a late timer yields one message, never a backlog.
    std::optional<MSG> due(DWORD now, const MessageFilter &filter, bool take);

    // Milliseconds until the next timer is due (0 when one is due), empty without timers.
    std::optional<DWORD> untilNextDue(DWORD now) const;

private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        UINT interval;
        DWORD due;
        TIMERPROC proc;
    };
    std::vector<Timer> timers_;
};

}  // namespace vks::detail
