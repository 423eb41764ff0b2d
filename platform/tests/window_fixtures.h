// Window classes, message logs and queue clean-up shared by the window, message and timer tests.
#pragma once

#include <atomic>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "modal_watchdog.h"
#include "pump.h"
#include "windows.h"

namespace vkstest {

// One message as a window procedure saw it.
struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam = 0;

    bool operator==(const Seen &) const = default;
};

inline void PrintTo(const Seen &seen, std::ostream *os)
{
    *os << "{hwnd " << seen.hwnd << ", msg 0x" << std::hex << seen.message << std::dec
        << ", wParam " << seen.wParam << "}";
}

// What the logging window procedure records, on the thread that runs it.
std::vector<Seen> &seenMessages();
std::vector<Seen> takeSeen();

// Records every message (WM_GETTEXT and friends included) and answers with DefWindowProcA.
LRESULT CALLBACK loggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window class registered for one test under a fresh name, with loggingProc unless told.
class ScopedWindowClass {
public:
    explicit ScopedWindowClass(WNDPROC proc = loggingProc, int extraBytes = 0);
    ~ScopedWindowClass();
    ScopedWindowClass(const ScopedWindowClass &) = delete;
    ScopedWindowClass &operator=(const ScopedWindowClass &) = delete;

    const char *name() const { return name_.c_str(); }
    HWND create(const char *title = "", DWORD style = 0, HWND parentOrOwner = nullptr,
                UINT_PTR id = 0) const;

private:
    std::string name_;
};

// Destroys the thread's test windows and empties its queue (quit request included), so that
// no test sees another's messages; a modal loop the test leaves running fails it in seconds.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ModalWatchdog modalWatchdog;
};


inline std::vector<Seen> &seenMessages()
{
    thread_local std::vector<Seen> seen;
    return seen;
}

inline std::vector<Seen> takeSeen()
{
    std::vector<Seen> seen;
    seen.swap(seenMessages());
    return seen;
}

inline LRESULT CALLBACK loggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    seenMessages().push_back({hwnd, message, wParam});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline ScopedWindowClass::ScopedWindowClass(WNDPROC proc, int extraBytes)
{
    static std::atomic<int> serial{0};
    name_ = "VksTestClass" + std::to_string(++serial);
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.lpszClassName = name_.c_str();
    EXPECT_NE(0, RegisterClassA(&wc));
}

inline ScopedWindowClass::~ScopedWindowClass()
{
    UnregisterClassA(name_.c_str(), nullptr);
}

inline HWND ScopedWindowClass::create(const char *title, DWORD style, HWND parentOrOwner,
                               UINT_PTR id) const
{
    return CreateWindowExA(0, name_.c_str(), title, style, 0, 0, 100, 50, parentOrOwner,
                           reinterpret_cast<HMENU>(id), nullptr, nullptr);
}

inline void WindowTest::SetUp()
{
    drainQueue();
    takeSeen();
}

inline void WindowTest::TearDown()
{
    drainQueue();
    takeSeen();
}

}  // namespace vkstest
