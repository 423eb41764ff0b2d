// Subclassing a window by replacing its procedure, and chaining to the one replaced.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAre;

namespace {

constexpr UINT kProbe = WM_USER + 7;
constexpr UINT kUnhook = WM_USER + 8;

// Which procedure saw which probe, in order.
std::vector<std::string> &calls()
{
    thread_local std::vector<std::string> log;
    return log;
}

WNDPROC g_beforeInner = nullptr;
WNDPROC g_beforeOuter = nullptr;

LRESULT CALLBACK classProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe || message == kUnhook) {
        calls().push_back("class");
        return 1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK innerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe || message == kUnhook)
        calls().push_back("inner");
    const LRESULT below = CallWindowProcA(g_beforeInner, hwnd, message, wParam, lParam);
    return message == kProbe ? below + 10 : below;
}

// Removes itself while handling kUnhook, then still passes the message on.
LRESULT CALLBACK outerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe || message == kUnhook)
        calls().push_back("outer");
    if (message == kUnhook)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beforeOuter));
    const LRESULT below = CallWindowProcA(g_beforeOuter, hwnd, message, wParam, lParam);
    return message == kProbe ? below + 100 : below;
}

class Subclassing : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        calls().clear();
        hwnd = windows.create("subclassed");
    }
    void TearDown() override
    {
        DestroyWindow(hwnd);
        WindowTest::TearDown();
    }

    WNDPROC replace(WNDPROC proc) const
    {
        return reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    }
    WNDPROC current() const
    {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    }

    vkstest::ScopedWindowClass windows{classProc};
    HWND hwnd{};
};

TEST_F(Subclassing, ReplacingTheProcedureReturnsTheOldOneAndChains)
{
    g_beforeInner = replace(innerProc);
    EXPECT_EQ(&classProc, g_beforeInner);
    g_beforeOuter = replace(outerProc);
    EXPECT_EQ(&innerProc, g_beforeOuter);
    EXPECT_EQ(&outerProc, current());

    EXPECT_EQ(111, SendMessageA(hwnd, kProbe, 0, 0));
    EXPECT_THAT(calls(), ElementsAre("outer", "inner", "class"));

    // A posted message takes the same road through DispatchMessageA.
    calls().clear();
    ASSERT_TRUE(PostMessageA(hwnd, kProbe, 0, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, hwnd, kProbe, kProbe, PM_REMOVE));
    EXPECT_EQ(111, DispatchMessageA(&msg));
    EXPECT_THAT(calls(), ElementsAre("outer", "inner", "class"));
}

TEST_F(Subclassing, ASubclassRemovedDuringAMessageFinishesItAndIsSkippedAfter)
{
    g_beforeInner = replace(innerProc);
    g_beforeOuter = replace(outerProc);

    SendMessageA(hwnd, kUnhook, 0, 0);
    EXPECT_THAT(calls(), ElementsAre("outer", "inner", "class"));
    EXPECT_EQ(&innerProc, current());

    calls().clear();
    EXPECT_EQ(11, SendMessageA(hwnd, kProbe, 0, 0));
    EXPECT_THAT(calls(), ElementsAre("inner", "class"));

    // Putting the class procedure back ends the subclassing.
    EXPECT_EQ(&innerProc, replace(g_beforeInner));
    calls().clear();
    EXPECT_EQ(1, SendMessageA(hwnd, kProbe, 0, 0));
    EXPECT_THAT(calls(), ElementsAre("class"));
}

TEST_F(Subclassing, ANullPreviousProcedureAnswersZeroAndABadWindowFails)
{
    EXPECT_EQ(0, CallWindowProcA(nullptr, hwnd, kProbe, 0, 0));
    EXPECT_TRUE(calls().empty());

    DestroyWindow(hwnd);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(innerProc)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

}  // namespace
