// Requests for help: F1 through the message loop, and the caption's help button's mode.
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pump.h"
#include "vkshost.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

// A WM_HELP as the top-level window received it.
struct Request {
    HWND from;  // the window whose DefWindowProcA passed it on, or the one that got it first
    HELPINFO info;
};

struct HelpLog {
    std::vector<Request> requests;
    std::vector<UINT> others;  // the mouse messages that got through
};

HelpLog &helpLog()
{
    thread_local HelpLog log;
    return log;
}

LRESULT CALLBACK topProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP) {
        helpLog().requests.push_back({hwnd, *reinterpret_cast<const HELPINFO *>(lParam)});
        return TRUE;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN)
        helpLog().others.push_back(message);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN)
        helpLog().others.push_back(message);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void pump()
{
    vkstest::pumpUntilIdle();
}

// A top-level window at 100, 100 with two controls: an enabled one at 10, 10 and a disabled one
// at 10, 50 (each 60 x 20), as a dialog with the help button would have them.
class HelpRequests : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        helpLog() = HelpLog{};
        top = CreateWindowExA(WS_EX_CONTEXTHELP, topClass.name(), "top", WS_VISIBLE | WS_SYSMENU,
                              100, 100, 200, 100, nullptr, nullptr, nullptr, nullptr);
        field = control(10, 10, kFieldId, 0);
        disabled = control(10, 50, kDisabledId, WS_DISABLED);
        pump();
    }

    void TearDown() override
    {
        DestroyWindow(top);
        WindowTest::TearDown();
    }

    HWND control(int x, int y, int id, DWORD style)
    {
        return CreateWindowExA(0, controlClass.name(), "", WS_CHILD | WS_VISIBLE | style, x, y, 60,
                               20, top, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               nullptr, nullptr);
    }

    void click(int x, int y)
    {
        VksHostMouseButton(x, y, WM_LBUTTONDOWN);
        VksHostMouseButton(x, y, WM_LBUTTONUP);
        pump();
    }

    static void expectRequest(const Request &request, HWND from, HWND item, int id, POINT mouse)
    {
        EXPECT_EQ(from, request.from);
        EXPECT_EQ(sizeof(HELPINFO), request.info.cbSize);
        EXPECT_EQ(HELPINFO_WINDOW, request.info.iContextType);
        EXPECT_EQ(id, request.info.iCtrlId);
        EXPECT_EQ(item, request.info.hItemHandle);
        EXPECT_EQ(0u, request.info.dwContextId);
        EXPECT_EQ(mouse.x, request.info.MousePos.x);
        EXPECT_EQ(mouse.y, request.info.MousePos.y);
    }

    static constexpr int kFieldId = 101;
    static constexpr int kDisabledId = 102;
    vkstest::ScopedWindowClass topClass{topProc};
    vkstest::ScopedWindowClass controlClass{controlProc};
    HWND top = nullptr;
    HWND field = nullptr;
    HWND disabled = nullptr;
};

TEST_F(HelpRequests, F1OnAControlReachesItsParentNamingTheControl)
{
    SetCursorPos(400, 300);
    PostMessageA(field, WM_KEYDOWN, VK_F1, 0);
    pump();
    ASSERT_EQ(1u, helpLog().requests.size());
    expectRequest(helpLog().requests[0], top, field, kFieldId, {400, 300});
    EXPECT_THAT(helpLog().others, ::testing::ElementsAre(static_cast<UINT>(WM_KEYDOWN)))
        << "the key itself is still delivered";
}

TEST_F(HelpRequests, F1LooksOnlyAtRemovedKeys)
{
    PostMessageA(field, WM_KEYDOWN, VK_F1, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    pump();
    EXPECT_EQ(1u, helpLog().requests.size()) << "one request for one key";
}

TEST_F(HelpRequests, HelpButtonModeSendsHelpForTheClickedControlInsteadOfTheClick)
{
    const HCURSOR before = GetCursor();
    SendMessageA(top, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_HELP), GetCursor());

    click(115, 165);  // on the disabled control: help names it too
    ASSERT_EQ(1u, helpLog().requests.size());
    expectRequest(helpLog().requests[0], top, disabled, kDisabledId, {115, 165});
    EXPECT_TRUE(helpLog().others.empty()) << "the click is taken by the help request";
    EXPECT_EQ(before, GetCursor());

    click(115, 115);
    EXPECT_EQ(1u, helpLog().requests.size()) << "the mode ended with its click";
    EXPECT_THAT(helpLog().others,
                ::testing::ElementsAre(static_cast<UINT>(WM_LBUTTONDOWN),
                                       static_cast<UINT>(WM_LBUTTONUP)));
}

TEST_F(HelpRequests, HelpButtonModeEndsWithEscapeOrAClickElsewhere)
{
    SendMessageA(top, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 0);
    pump();
    EXPECT_TRUE(helpLog().others.empty()) << "help mode took the Escape";
    click(115, 115);
    EXPECT_TRUE(helpLog().requests.empty());

    SendMessageA(top, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    click(900, 700);
    click(115, 115);
    EXPECT_TRUE(helpLog().requests.empty());
    EXPECT_EQ(4u, helpLog().others.size()) << "two clicks on the field after the mode";
}

}  // namespace
