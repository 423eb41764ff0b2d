// A shown top-level framework window to put the library's controls on, with the thread's queue
// pumped as a message loop would, and what a window has drawn.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "afxwin.h"
#include "pump.h"
#include "vkshost.h"

namespace uitest {

// Answers WM_ERASEBKGND with a value of its own, so that a forwarded erase shows.
class ParentWindow : public CWnd {
public:
    static constexpr LRESULT kErased = 7;
    int erases = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) {
            ++erases;
            return kErased;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Dispatches every waiting message, timers due at the current tick count and paints included.
inline void pumpMessages()
{
    vkstest::pumpUntilIdle();
}

inline std::vector<VksDrawnItem> drawnItems(HWND hwnd)
{
    std::vector<VksDrawnItem> items(VksHostDrawnItems(hwnd, nullptr, 0));
    items.resize(VksHostDrawnItems(hwnd, items.data(), static_cast<UINT>(items.size())));
    return items;
}

class ControlOnWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                    nullptr, nullptr));
        pumpMessages();
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        pumpMessages();
    }

    ParentWindow parent;
};

}  // namespace uitest
