// A window class whose procedure records the focus, activation and position messages with both
// parameters, for the focus, activation and position tests.
#pragma once

#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "window_fixtures.h"
#include "windows.h"

namespace vkstest {

struct Event {
    HWND hwnd;
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;

    bool operator==(const Event &) const = default;
};

inline void PrintTo(const Event &event, std::ostream *os)
{
    *os << "{hwnd " << event.hwnd << ", msg 0x" << std::hex << event.message << ", wParam 0x"
        << event.wParam << ", lParam 0x" << event.lParam << std::dec << "}";
}

inline std::vector<Event> &events()
{
    thread_local std::vector<Event> recorded;
    return recorded;
}

inline std::vector<Event> takeEvents()
{
    std::vector<Event> taken;
    taken.swap(events());
    return taken;
}

inline bool isInputMessage(UINT message)
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_MOVE:
    case WM_SIZE:
        return true;
    default:
        return false;
    }
}

// For WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED the WINDOWPOS flags are recorded as lParam.
inline LRESULT CALLBACK inputLoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (isInputMessage(message)) {
        LPARAM recorded = lParam;
        if (message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED)
            recorded = static_cast<LPARAM>(reinterpret_cast<const WINDOWPOS *>(lParam)->flags);
        events().push_back({hwnd, message, wParam, recorded});
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline LPARAM handle(HWND hwnd)
{
    return reinterpret_cast<LPARAM>(hwnd);
}

inline WPARAM handleW(HWND hwnd)
{
    return reinterpret_cast<WPARAM>(hwnd);
}

// Windows of a class that records input messages; the thread's queue and log are clean around
// each test.
class InputTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        events().clear();
    }
    void TearDown() override
    {
        for (HWND hwnd : made_)
            if (IsWindow(hwnd))
                DestroyWindow(hwnd);
        events().clear();
        WindowTest::TearDown();
    }

    HWND make(const char *title, DWORD style, HWND parentOrOwner = nullptr, int x = 0, int y = 0,
              int width = 100, int height = 50, UINT_PTR id = 0)
    {
        const HWND hwnd = CreateWindowExA(0, windowClass.name(), title, style, x, y, width, height,
                                          parentOrOwner, reinterpret_cast<HMENU>(id), nullptr,
                                          nullptr);
        EXPECT_NE(nullptr, hwnd) << title;
        if (!parentOrOwner || !(style & WS_CHILD))
            made_.push_back(hwnd);
        return hwnd;
    }

    ScopedWindowClass windowClass{inputLoggingProc};

private:
    std::vector<HWND> made_;
};

}  // namespace vkstest
