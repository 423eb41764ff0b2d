#include "modal_watchdog.h"

#include <gtest/gtest.h>

namespace vkstest {

namespace {

// How often the watchdog looks at the windows; a window is "left open" only after many looks.
constexpr std::chrono::milliseconds kLookEvery{100};

HWND topmostVisibleWindow()
{
    for (HWND top = FindWindowA(nullptr, nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
        if (IsWindowVisible(top))
            return top;
    return nullptr;
}

}  // namespace

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds limit)
    : thread_(GetCurrentThreadId()), limit_(limit), watcher_([this] { watch(); })
{
}

ModalWatchdog::~ModalWatchdog()
{
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
    }
    stopRequest_.notify_one();
    watcher_.join();
    if (fired_) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
}

void ModalWatchdog::watch()
{
    std::unique_lock guard(lock_);
    HWND watched = nullptr;
    auto watchedSince = std::chrono::steady_clock::now();
    while (!stopRequest_.wait_for(guard, kLookEvery, [this] { return stopping_; })) {
        const HWND top = topmostVisibleWindow();
        const auto now = std::chrono::steady_clock::now();
        if (top != watched) {
            watched = top;
            watchedSince = now;
        } else if (top && now - watchedSince >= limit_) {
            // Keeps watching: a test that takes the quit request away may leave the next open.
            endLoopOf(top);
            watchedSince = now;
        }
    }
}

// Runs on the watchdog's thread with the lock held, so the test cannot end meanwhile. The
// class and title are read without a message: another thread's window answers from its store.
void ModalWatchdog::endLoopOf(HWND window)
{
    char className[64] = {};
    char title[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    ADD_FAILURE() << "a window was left open for " << limit_.count() << " ms: class \""
                  << className << "\", title \"" << title
                  << "\"; the watchdog ended its modal loop";
    fired_ = true;
    PostThreadMessageA(thread_, WM_QUIT, 0, 0);
}

}  // namespace vkstest
