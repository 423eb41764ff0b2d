// CWnd's positions, Z-order, styles and CenterWindow.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "dialog_support.h"

using namespace fwtest;

namespace {

using WndPosition = DialogTest;

CRect windowRect(const CWnd &wnd)
{
    CRect rect;
    wnd.GetWindowRect(rect);
    return rect;
}

TEST_F(WndPosition, CenterWindowCentresOnTheOwnerOrTheScreenAndStaysOnTheScreen)
{
    struct Case {
        const char *name;
        CRect owner;        // empty: no owner
        bool ownerVisible;
        bool alternate;     // the owner is given to CenterWindow instead of owning the window
        CPoint origin;      // of the 100 x 50 window
    } const kCases[] = {
        {"on its owner", CRect(100, 100, 400, 300), true, false, CPoint(200, 175)},
        {"on the alternate owner", CRect(100, 100, 400, 300), true, true, CPoint(200, 175)},
        // The headless screen is 1024 x 768.
        {"no owner", CRect(), false, false, CPoint(462, 359)},
        {"hidden owner", CRect(100, 100, 400, 300), false, false, CPoint(462, 359)},
        {"kept on the screen", CRect(980, 700, 1020, 740), true, false, CPoint(924, 695)},
        {"not above the screen", CRect(0, 0, 40, 20), true, false, CPoint(0, 0)},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        CWnd owner;
        if (!c.owner.IsRectNull()) {
            const DWORD style = WS_POPUP | (c.ownerVisible ? WS_VISIBLE : 0);
            ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", style, c.owner.left, c.owner.top,
                                       c.owner.Width(), c.owner.Height(), NULL, NULL));
        }
        CWnd window;
        ASSERT_TRUE(window.CreateEx(0, NULL, "window", WS_POPUP, 5, 5, 100, 50,
                                    c.alternate ? NULL : owner.m_hWnd, NULL));
        window.CenterWindow(c.alternate ? &owner : NULL);
        EXPECT_EQ(CRect(c.origin, CSize(100, 50)), windowRect(window));
        window.DestroyWindow();
        owner.DestroyWindow();
    }
}

TEST_F(WndPosition, CenterWindowCentresAChildInItsParentsClientArea)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "", WS_POPUP, 300, 200, 200, 100, NULL, NULL));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, NULL, "", WS_CHILD, 1, 1, 40, 20, parent.m_hWnd, NULL));
    child.CenterWindow();
    CRect rect = windowRect(child);
    parent.ScreenToClient(rect);
    EXPECT_EQ(CRect(80, 40, 120, 60), rect);
    parent.DestroyWindow();
}

TEST_F(WndPosition, CoordinatesMovesAndTheZOrder)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "", WS_POPUP, 100, 50, 300, 200, NULL, NULL));
    CWnd first, second, third;
    for (CWnd *child : {&first, &second, &third})
        ASSERT_TRUE(child->CreateEx(0, NULL, "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, NULL));

    CRect place(10, 20, 50, 40);
    first.MoveWindow(place);
    CRect rect = windowRect(first);
    EXPECT_EQ(CRect(110, 70, 150, 90), rect) << "moved in the parent's client coordinates";
    parent.ScreenToClient(rect);
    EXPECT_EQ(place, rect);
    parent.ClientToScreen(rect);
    EXPECT_EQ(CRect(110, 70, 150, 90), rect);
    CPoint point(110, 70);
    first.ScreenToClient(&point);
    EXPECT_EQ(CPoint(0, 0), point);
    first.GetClientRect(rect);
    EXPECT_EQ(CRect(0, 0, 40, 20), rect);

    EXPECT_EQ(&first, parent.GetWindow(GW_CHILD)) << "children in creation order";
    EXPECT_EQ(&second, first.GetNextWindow());
    ASSERT_TRUE(third.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(&third, parent.GetWindow(GW_CHILD));
    ASSERT_TRUE(third.SetWindowPos(&first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(&third, first.GetNextWindow()) << "placed after a sibling";
    ASSERT_TRUE(first.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(&first, parent.GetWindow(GW_CHILD)->GetWindow(GW_HWNDLAST));
    EXPECT_EQ(NULL, first.GetNextWindow());
    parent.DestroyWindow();
}

TEST_F(WndPosition, ModifyStyleReportsWhetherAnythingChanged)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "", WS_POPUP | WS_TABSTOP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_FALSE(wnd.ModifyStyle(WS_GROUP, WS_TABSTOP)) << "nothing to change";
    EXPECT_TRUE(wnd.ModifyStyle(WS_TABSTOP, WS_GROUP));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_GROUP), wnd.GetStyle() & ~WS_VISIBLE);
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_CONTEXTHELP, SWP_FRAMECHANGED));
    EXPECT_EQ(static_cast<DWORD>(WS_EX_CONTEXTHELP), wnd.GetExStyle());
    EXPECT_FALSE(wnd.ModifyStyleEx(0, WS_EX_CONTEXTHELP));
    wnd.DestroyWindow();
}

}  // namespace
