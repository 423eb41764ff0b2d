// The thread object and its main window.
#include <thread>

#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

// Leaves the thread without a main window, whatever the test did.
class MainWindow : public ::testing::Test {
protected:
    ~MainWindow() override { AfxGetThread()->m_pMainWnd = NULL; }

    static HWND createFrame(CWnd &wnd)
    {
        return wnd.CreateEx(0, NULL, "frame", WS_POPUP, 0, 0, 100, 100, NULL, NULL)
                   ? wnd.m_hWnd
                   : NULL;
    }
};

TEST_F(MainWindow, IsTheOneTheThreadWasGiven)
{
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    CWnd frame;
    ASSERT_NE(nullptr, createFrame(frame));
    AfxGetThread()->m_pMainWnd = &frame;
    EXPECT_EQ(&frame, AfxGetMainWnd());
    EXPECT_EQ(AfxGetThread(), AfxGetThread());
    EXPECT_TRUE(AfxGetThread()->IsKindOf(RUNTIME_CLASS(CWinThread)));
}

TEST_F(MainWindow, BelongsToOneThreadOnly)
{
    CWnd frame;
    ASSERT_NE(nullptr, createFrame(frame));
    AfxGetThread()->m_pMainWnd = &frame;
    CWnd *seenElsewhere = &frame;
    CWinThread *otherThread = NULL;
    std::thread([&] {
        seenElsewhere = AfxGetMainWnd();
        otherThread = AfxGetThread();
    }).join();
    EXPECT_EQ(nullptr, seenElsewhere);
    EXPECT_NE(AfxGetThread(), otherThread);
    EXPECT_EQ(&frame, AfxGetMainWnd());
}

TEST_F(MainWindow, IsForgottenWhenItsWindowIsDestroyed)
{
    CWnd frame;
    CWnd other;
    ASSERT_NE(nullptr, createFrame(frame));
    ASSERT_NE(nullptr, createFrame(other));
    AfxGetThread()->m_pMainWnd = &frame;
    ASSERT_TRUE(other.DestroyWindow());
    EXPECT_EQ(&frame, AfxGetMainWnd());
    ASSERT_TRUE(frame.DestroyWindow());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}

}  // namespace
