// Internal: the message a framework window is handling on this thread, for CWnd::Default.
#pragma once

#include "windows.h"

namespace vks::detail {

const MSG &currentWindowMessage();

// Makes a message the current one for its lifetime; nested messages restore the outer one.
class CurrentMessage {
public:
    CurrentMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~CurrentMessage();
    CurrentMessage(const CurrentMessage &) = delete;
    CurrentMessage &operator=(const CurrentMessage &) = delete;

private:
    MSG outer_;
};

// While it lives, control notifications (WM_COMMAND from a control, WM_NOTIFY) to the window
// are dropped, as UpdateData fills its controls without running their change handlers.
class NotifyLockout {
public:
    explicit NotifyLockout(HWND hwnd);
    ~NotifyLockout();
    NotifyLockout(const NotifyLockout &) = delete;
    NotifyLockout &operator=(const NotifyLockout &) = delete;

private:
    HWND outer_;
};

bool notificationsLockedOut(HWND hwnd);

}  // namespace vks::detail
