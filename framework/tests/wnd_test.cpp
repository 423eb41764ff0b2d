// CWnd: the handle map, dispatch to virtual handlers, default handling and the modal loop.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "afxwin.h"
#include "pump.h"
#include "vkshost.h"

using ::testing::ElementsAreArray;

namespace {

using vkstest::drainQueue;

// Records the handlers it gets, in order.
class LoggingWnd : public CWnd {
public:
    std::vector<std::string> log;
    bool deleted = false;
    int createResult = 0;

protected:
    int OnCreate(LPCREATESTRUCTA cs) override
    {
        log.push_back(std::string("OnCreate ") + (cs && cs->lpszName ? cs->lpszName : ""));
        return createResult ? createResult : CWnd::OnCreate(cs);
    }
    void OnDestroy() override
    {
        log.push_back("OnDestroy");
        CWnd::OnDestroy();
    }
    void OnTimer(UINT_PTR id) override { log.push_back("OnTimer " + std::to_string(id)); }
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        log.push_back("OnCommand " + std::to_string(LOWORD(wParam)));
        return LOWORD(wParam) == 1;
    }
    void PostNcDestroy() override { log.push_back("PostNcDestroy"); }
};

class Wnd : public ::testing::Test {
protected:
    void SetUp() override { drainQueue(); }
    void TearDown() override { drainQueue(); }
};

TEST_F(Wnd, FrameworkClassRoutesCreationAndDestructionToTheHandlers)
{
    LoggingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "first", 0, 0, 0, 0, 0, NULL, NULL));
    const HWND hwnd = wnd.GetSafeHwnd();
    EXPECT_EQ(&wnd, CWnd::FromHandle(hwnd));
    char text[16] = {};
    EXPECT_EQ(5, GetWindowTextA(hwnd, text, sizeof text)) << "default WM_NCCREATE set it";
    EXPECT_STREQ("first", text);
    ASSERT_TRUE(wnd.DestroyWindow());
    const std::string kExpected[] = {"OnCreate first", "OnDestroy", "PostNcDestroy"};
    EXPECT_THAT(wnd.log, ElementsAreArray(kExpected));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandle(hwnd)) << "unmapped with its window";
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(Wnd, CreateFailsWhenOnCreateRefuses)
{
    LoggingWnd wnd;
    wnd.createResult = -1;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, "refused", 0, 0, 0, 0, 0, NULL, NULL));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    const std::string kExpected[] = {"OnCreate refused", "PostNcDestroy"};
    EXPECT_THAT(wnd.log, ElementsAreArray(kExpected));
}

TEST_F(Wnd, ForeignClassIsSubclassedAfterCreationAndKeepsItsProcedureForDefaults)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        return message == WM_USER + 9 ? 99 : DefWindowProcA(hwnd, message, wParam, lParam);
    };
    wc.lpszClassName = "WndTestForeign";
    RegisterClassA(&wc);
    LoggingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "WndTestForeign", "foreign", 0, 0, 0, 0, 0, NULL, NULL));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    EXPECT_EQ(99, wnd.SendMessage(WM_USER + 9)) << "unhandled: the class's own procedure";
    EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, 1)) << "handled by OnCommand";
    EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, 2)) << "refused by OnCommand: default";
    const HWND hwnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    const std::string kExpected[] = {"OnCommand 1", "OnCommand 2", "OnDestroy", "PostNcDestroy"};
    EXPECT_THAT(wnd.log, ElementsAreArray(kExpected)) << "creation went to the class only";
    EXPECT_EQ(NULL, CWnd::FromHandle(hwnd));
}

TEST_F(Wnd, FromHandleKnowsOnlyFrameworkWindows)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "WndTestPlain";
    RegisterClassA(&wc);
    const HWND plain =
        CreateWindowExA(0, "WndTestPlain", "", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(plain);
    EXPECT_EQ(NULL, CWnd::FromHandle(plain));
    EXPECT_EQ(NULL, CWnd::FromHandle(NULL));
    CWnd wrapper;
    EXPECT_TRUE(wrapper.Attach(plain));
    EXPECT_EQ(&wrapper, CWnd::FromHandle(plain));
    CWnd second;
    EXPECT_FALSE(second.Attach(plain)) << "one object per window";
    EXPECT_EQ(plain, wrapper.Detach());
    EXPECT_EQ(NULL, CWnd::FromHandle(plain));
    DestroyWindow(plain);
}

TEST_F(Wnd, TimersReachOnTimer)
{
    LoggingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "timer", 0, 0, 0, 0, 0, NULL, NULL));
    DWORD ticks = 5000;
    VksHostSetTickCount(&ticks);
    ASSERT_TRUE(wnd.SetTimer(3, 50));
    ticks += 50;
    VksHostSetTickCount(&ticks);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    DispatchMessageA(&msg);
    VksHostSetTickCount(NULL);
    wnd.DestroyWindow();
    EXPECT_EQ("OnTimer 3", wnd.log.at(1));
}

// Ends its modal loop when told by a posted message.
class ModalWnd : public LoggingWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER) {
            log.push_back("WM_USER " + std::to_string(wParam));
            if (wParam == 0)
                EndModalLoop(7);
            return 0;
        }
        return LoggingWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(Wnd, ModalLoopDispatchesWindowMessagesDropsThreadMessagesAndReturnsTheResult)
{
    ModalWnd modal;
    ASSERT_TRUE(modal.CreateEx(0, NULL, "modal", WS_POPUP, 0, 0, 0, 0, NULL, NULL));
    modal.log.clear();
    ASSERT_TRUE(modal.PostMessage(WM_USER, 2));
    ASSERT_TRUE(PostMessageA(NULL, WM_APP, 0, 0));
    ASSERT_TRUE(modal.PostMessage(WM_USER, 1));
    ASSERT_TRUE(modal.PostMessage(WM_USER, 0));
    ASSERT_TRUE(modal.PostMessage(WM_USER, 9));  // after the end: left for the outer loop
    EXPECT_EQ(7, modal.RunModalLoop());
    const std::string kInLoop[] = {"WM_USER 2", "WM_USER 1", "WM_USER 0"};
    EXPECT_THAT(modal.log, ElementsAreArray(kInLoop));
    EXPECT_FALSE(modal.ContinueModal());

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_USER), msg.message) << "the thread message was dropped";
    EXPECT_EQ(9u, msg.wParam);
    modal.DestroyWindow();
}

HWND modalToEnd = NULL;

void CALLBACK endingTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    PostMessageA(modalToEnd, WM_USER, 0, 0);
}

TEST_F(Wnd, ModalLoopRunsAThreadTimersProcedure)
{
    ModalWnd modal;
    ASSERT_TRUE(modal.CreateEx(0, NULL, "modal", WS_POPUP, 0, 0, 0, 0, NULL, NULL));
    modalToEnd = modal.m_hWnd;
    DWORD ticks = 5000;
    VksHostSetTickCount(&ticks);
    const UINT_PTR timer = SetTimer(NULL, 0, 50, endingTimerProc);
    ticks += 50;
    VksHostSetTickCount(&ticks);
    EXPECT_EQ(7, modal.RunModalLoop()) << "the timer's procedure ended the loop";
    KillTimer(NULL, timer);
    VksHostSetTickCount(NULL);
    modal.DestroyWindow();
}

TEST_F(Wnd, ModalLoopEndsOnQuitAndLeavesTheQuitForTheOuterLoop)
{
    ModalWnd modal;
    ASSERT_TRUE(modal.CreateEx(0, NULL, "modal", WS_POPUP, 0, 0, 0, 0, NULL, NULL));
    PostQuitMessage(4);
    EXPECT_EQ(-1, modal.RunModalLoop());
    MSG msg;
    EXPECT_EQ(FALSE, GetMessageA(&msg, NULL, 0, 0));
    EXPECT_EQ(4u, msg.wParam);
    CWnd none;
    EXPECT_EQ(-1, none.RunModalLoop()) << "no window, no loop";
    modal.DestroyWindow();
}

// Deletes itself when its window goes, as heap-allocated framework windows do.
class SelfDeletingWnd : public CWnd {
public:
    explicit SelfDeletingWnd(bool &deleted) : deleted_(deleted) {}
    ~SelfDeletingWnd() override { deleted_ = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool &deleted_;
};

TEST_F(Wnd, PostNcDestroyMayDeleteTheObject)
{
    bool deleted = false;
    auto *wnd = new SelfDeletingWnd(deleted);
    ASSERT_TRUE(wnd->CreateEx(0, NULL, "", 0, 0, 0, 0, 0, NULL, NULL));
    const HWND hwnd = wnd->m_hWnd;
    ASSERT_TRUE(PostMessageA(hwnd, WM_CLOSE, 0, 0));  // default WM_CLOSE destroys the window
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    DispatchMessageA(&msg);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace

namespace {

TEST_F(Wnd, StateCallsActOnTheWindowAndDialogItemsAnswerOnlyObjects)
{
    CWnd dialog;
    ASSERT_TRUE(dialog.CreateEx(0, NULL, "dialog", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    CWnd item;
    ASSERT_TRUE(item.CreateEx(0, NULL, "item", WS_CHILD | WS_VISIBLE, 5, 5, 20, 10,
                              dialog.m_hWnd, reinterpret_cast<HMENU>(7)));
    const HWND bare = CreateWindowExA(0, AfxRegisterWndClass(0), "bare", WS_CHILD, 0, 0, 1, 1,
                                      dialog.m_hWnd, reinterpret_cast<HMENU>(8), NULL, NULL);
    ASSERT_NE(nullptr, bare);

    EXPECT_FALSE(item.IsWindowVisible());  // its parent is hidden
    EXPECT_FALSE(dialog.ShowWindow(SW_SHOWNORMAL));
    EXPECT_TRUE(item.IsWindowVisible());
    EXPECT_FALSE(item.EnableWindow(FALSE));
    EXPECT_FALSE(item.IsWindowEnabled());
    RECT rect{};
    item.GetWindowRect(&rect);
    EXPECT_EQ(5, rect.left);
    EXPECT_EQ(15, rect.bottom);

    EXPECT_EQ(&item, dialog.GetDlgItem(7));
    EXPECT_EQ(nullptr, dialog.GetDlgItem(8));  // a window without an object
    EXPECT_EQ(nullptr, dialog.GetDlgItem(9));
    dialog.DestroyWindow();
}

}  // namespace
