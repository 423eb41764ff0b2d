// CWnd's handlers for messages that name another window, which in a dialog is usually a control
// without a framework object.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "afxwin.h"
#include "dialog_support.h"
#include "pump.h"
#include "resources/framework_dialogs.h"

using ::testing::ElementsAre;
using namespace fwtest;

namespace {

// Logs each handler with the identifier of the window it names and whether that window has an
// object of its own ("object"), came as a temporary ("temporary") or was not named ("none").
template <typename Base>
class Handlers : public Base {
public:
    using Base::Base;
    std::vector<std::string> log;

protected:
    std::string named(CWnd *wnd) const
    {
        if (!wnd)
            return "none";
        if (!(wnd->GetStyle() & WS_CHILD))
            return wnd->GetSafeHwnd() == this->m_hWnd ? "self" : "window";
        return std::to_string(wnd->GetDlgCtrlID()) +
               (CWnd::FromHandle(wnd->m_hWnd) == wnd ? " object" : " temporary");
    }
    void OnSetFocus(CWnd *pOldWnd) override { log.push_back("OnSetFocus " + named(pOldWnd)); }
    void OnKillFocus(CWnd *pNewWnd) override { log.push_back("OnKillFocus " + named(pNewWnd)); }
    void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized) override
    {
        log.push_back("OnActivate " + std::to_string(nState) + " " + named(pWndOther) +
                      (bMinimized ? " minimized" : ""));
    }
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message) override
    {
        log.push_back("OnSetCursor " + named(pWnd) + " " + std::to_string(nHitTest) + " " +
                      std::to_string(message));
        return TRUE;
    }
    void OnContextMenu(CWnd *pWnd, CPoint pos) override
    {
        log.push_back("OnContextMenu " + named(pWnd) + " " + std::to_string(pos.x) + "," +
                      std::to_string(pos.y));
    }
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override
    {
        log.push_back("OnHelpInfo " + std::to_string(pHelpInfo->iCtrlId));
        return TRUE;
    }
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd *pScrollBar) override
    {
        log.push_back("OnVScroll " + std::to_string(nSBCode) + " " + std::to_string(nPos) + " " +
                      named(pScrollBar));
    }
    void OnPaint() override
    {
        log.push_back("OnPaint");
        Base::OnPaint();  // validates, or WM_PAINT would come back for ever
    }
};

using HandlerWnd = Handlers<CWnd>;

class WndHandlers : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
        ASSERT_TRUE(withObject.CreateEx(0, NULL, "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                                        reinterpret_cast<HMENU>(7)));
        bare = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                               reinterpret_cast<HMENU>(8), NULL, NULL);
        ASSERT_NE(nullptr, bare);
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        DialogTest::TearDown();
    }

    HandlerWnd parent;
    CWnd withObject;
    HWND bare = NULL;
};

TEST_F(WndHandlers, NamedWindowsComeAsObjectsOrTemporariesAndNeverAsNull)
{
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, 8, bare, 0, {3, 4}};
    const auto wp = [](HWND hwnd) { return reinterpret_cast<WPARAM>(hwnd); };
    const auto lp = [](HWND hwnd) { return reinterpret_cast<LPARAM>(hwnd); };
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char *logged;
    } const kCases[] = {
        {WM_SETFOCUS, wp(bare), 0, "OnSetFocus 8 temporary"},
        {WM_SETFOCUS, wp(withObject.m_hWnd), 0, "OnSetFocus 7 object"},
        {WM_KILLFOCUS, 0, 0, "OnKillFocus none"},
        {WM_KILLFOCUS, wp(bare), 0, "OnKillFocus 8 temporary"},
        {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), lp(bare), "OnActivate 2 8 temporary"},
        {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0, "OnActivate 0 none minimized"},
        {WM_SETCURSOR, wp(bare), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN),
         "OnSetCursor 8 temporary 1 513"},
        {WM_CONTEXTMENU, wp(bare), MAKELPARAM(-5, 20), "OnContextMenu 8 temporary -5,20"},
        {WM_CONTEXTMENU, wp(withObject.m_hWnd), MAKELPARAM(-1, -1),
         "OnContextMenu 7 object -1,-1"},
        {WM_HELP, 0, reinterpret_cast<LPARAM>(&help), "OnHelpInfo 8"},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), lp(bare), "OnVScroll 4 3 8 temporary"},
        {WM_PAINT, 0, 0, "OnPaint"},
    };
    for (const auto &c : kCases) {
        SCOPED_TRACE(c.logged);
        parent.log.clear();
        parent.SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_THAT(parent.log, ElementsAre(c.logged));
    }
    EXPECT_EQ(NULL, CWnd::FromHandle(bare)) << "the temporary was never mapped";
    EXPECT_TRUE(IsWindow(bare)) << "nor did it destroy the window when it went";
}

TEST_F(WndHandlers, HandledMessagesAnswerWithTheHandlersResult)
{
    EXPECT_EQ(TRUE, parent.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(bare),
                                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, 8, bare, 0, {0, 0}};
    EXPECT_EQ(TRUE, parent.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help)));
}

TEST_F(WndHandlers, CurrentMessageIsTheOneBeingHandled)
{
    struct Probe : CWnd {
        MSG seen{};
        void OnPaint() override { seen = *GetCurrentMessage(); }
    } probe;
    ASSERT_TRUE(probe.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 1, 1, NULL, NULL));
    probe.SendMessage(WM_PAINT, 5, 6);
    EXPECT_EQ(probe.m_hWnd, probe.seen.hwnd);
    EXPECT_EQ(static_cast<UINT>(WM_PAINT), probe.seen.message);
    EXPECT_EQ(5u, probe.seen.wParam);
    EXPECT_EQ(6, probe.seen.lParam);
    probe.DestroyWindow();
}

// The dialog of IDD_FORM with nothing attached: its controls have no objects.
class HandlerDialog : public Handlers<CDialog> {
public:
    HandlerDialog() : Handlers<CDialog>(IDD_FORM) {}
};

class DialogInput : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(dialog.Create(IDD_FORM));
        dialog.ShowWindow(SW_SHOW);
        pump();
        dialog.log.clear();
    }
    void TearDown() override
    {
        dialog.DestroyWindow();
        DialogTest::TearDown();
    }

    CPoint centreOf(int id) const
    {
        CRect rect;
        ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, id), rect);
        return rect.CenterPoint();
    }
    static void pump() { vkstest::pumpUntilIdle({.translate = true}); }

    HandlerDialog dialog;
};

TEST_F(DialogInput, ARightClickOnAControlNamesItInOnContextMenu)
{
    const CPoint click = centreOf(IDOK);
    ASSERT_TRUE(VksHostMouseButton(click.x, click.y, WM_RBUTTONDOWN));
    ASSERT_TRUE(VksHostMouseButton(click.x, click.y, WM_RBUTTONUP));
    pump();
    const std::string where = std::to_string(click.x) + "," + std::to_string(click.y);
    EXPECT_THAT(dialog.log, ::testing::Contains("OnContextMenu 1 temporary " + where));
}

TEST_F(DialogInput, TheCursorOverAControlNamesItInOnSetCursor)
{
    const CPoint over = centreOf(IDCANCEL);
    ASSERT_TRUE(SetCursorPos(over.x, over.y));
    EXPECT_THAT(dialog.log, ::testing::Contains("OnSetCursor 2 temporary 1 512"));
}

TEST_F(DialogInput, F1OnAFieldReachesOnHelpInfoWithItsIdentifier)
{
    const HWND count = ::GetDlgItem(dialog.m_hWnd, IDC_COUNT);
    ::SetFocus(count);
    PostMessageA(count, WM_KEYDOWN, VK_F1, 0);
    pump();
    EXPECT_THAT(dialog.log, ElementsAre("OnHelpInfo " + std::to_string(IDC_COUNT)));
}

TEST_F(DialogInput, FocusAndActivationNameTheOtherWindow)
{
    const HWND name = ::GetDlgItem(dialog.m_hWnd, IDC_NAME);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, NULL, "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, NULL, NULL));
    dialog.log.clear();
    dialog.SetActiveWindow();
    ::SetFocus(name);
    dialog.SetFocus();
    // Activation focuses the dialog itself (its handler keeps the default from moving it on),
    // taking the focus from the other window; the field then takes and gives it back.
    const std::string field = std::to_string(IDC_NAME) + " temporary";
    EXPECT_THAT(dialog.log, ElementsAre("OnActivate 1 window", "OnSetFocus window",
                                        "OnKillFocus " + field, "OnSetFocus " + field));
    other.DestroyWindow();
}

}  // namespace
