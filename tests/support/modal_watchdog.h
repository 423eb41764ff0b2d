// A watchdog that ends a modal loop a test left running, so a dialog that nothing closes costs a
// few seconds and names itself, instead of waiting for the suite's timeout.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "windows.h"

namespace vkstest {

// Watches the thread that makes it, from construction to destruction. When one window stays the
// topmost visible top-level window for `limit` of real time (whatever clock the test injects),
// a modal dialog, message box, property sheet or file dialog was left open: the watchdog fails
// the test, naming that window's class and title, and posts WM_QUIT to the thread; it does so
// again for each window left open after that. Every modal loop ends on WM_QUIT and posts it
// again for the loop outside it, so the test runs on to its end; the destructor takes the
// request out of the queue again, so the next test starts clean.
class ModalWatchdog {
public:
    static constexpr std::chrono::milliseconds kLimit{5000};

    explicit ModalWatchdog(std::chrono::milliseconds limit = kLimit);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog &) = delete;
    ModalWatchdog &operator=(const ModalWatchdog &) = delete;

private:
    void watch();
    void endLoopOf(HWND window);

    const DWORD thread_;
    const std::chrono::milliseconds limit_;
    std::mutex lock_;
    std::condition_variable stopRequest_;
    bool stopping_ = false;
    bool fired_ = false;
    std::thread watcher_;  // last, so that it starts once the fields above are set
};

}  // namespace vkstest
