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

}  // namespace vks::detail
