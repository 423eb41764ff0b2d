// Window state: visibility, enabling, rectangles, placement, activation and dialog items.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pump.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAreArray;
using vkstest::Seen;
using vkstest::takeSeen;

// RECT lives in the global namespace, where the comparisons must be found.
static bool operator==(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const RECT &r, std::ostream *os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

class WindowState : public vkstest::WindowTest {
protected:
    vkstest::ScopedWindowClass windowClass;

    // Only the state messages, so the sequences below do not depend on the rest.
    static std::vector<Seen> takeStateMessages()
    {
        std::vector<Seen> kept;
        for (const Seen &seen : takeSeen())
            if (seen.message == WM_SHOWWINDOW || seen.message == WM_ACTIVATE ||
                seen.message == WM_ENABLE || seen.message == WM_CANCELMODE)
                kept.push_back(seen);
        return kept;
    }
};

TEST_F(WindowState, ShowWindowSendsShowWindowOnlyWhenVisibilityChanges)
{
    const HWND hwnd = windowClass.create("top");
    takeSeen();
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
    // Hiding the active window tells it before it loses activation.
    const Seen kSequence[] = {{hwnd, WM_SHOWWINDOW, TRUE},
                              {hwnd, WM_ACTIVATE, WA_ACTIVE},
                              {hwnd, WM_SHOWWINDOW, FALSE},
                              {hwnd, WM_ACTIVATE, WA_INACTIVE}};
    EXPECT_THAT(takeStateMessages(), ElementsAreArray(kSequence));
    DestroyWindow(hwnd);
}

TEST_F(WindowState, AVisibleWindowIsShownOnceCreated)
{
    const HWND parent = windowClass.create("parent", WS_VISIBLE);
    const HWND child = windowClass.create("child", WS_CHILD | WS_VISIBLE, parent, 1);
    const std::vector<Seen> seen = takeSeen();
    const Seen kCreateThenShow[] = {{child, WM_NCCREATE}, {child, WM_CREATE},
                                    {child, WM_SHOWWINDOW, TRUE}};
    EXPECT_THAT(std::vector<Seen>(seen.end() - 3, seen.end()), ElementsAreArray(kCreateThenShow));
    EXPECT_TRUE(IsWindowVisible(child));
    // A visible child of a hidden parent is not visible, though its own bit stays.
    ShowWindow(parent, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE);
    DestroyWindow(parent);
}

TEST_F(WindowState, StylesSetThroughTheWindowLongAct)
{
    const HWND hwnd = windowClass.create("top");
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_DISABLED));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    DestroyWindow(hwnd);
}

TEST_F(WindowState, EnableWindowAnswersThePreviousDisabledState)
{
    const HWND hwnd = windowClass.create("top");
    takeSeen();
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(EnableWindow(hwnd, FALSE));
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    const Seen kChanges[] = {{hwnd, WM_CANCELMODE},
                             {hwnd, WM_ENABLE, FALSE},
                             {hwnd, WM_CANCELMODE},  // asked again, already disabled
                             {hwnd, WM_ENABLE, TRUE}};
    EXPECT_THAT(takeStateMessages(), ElementsAreArray(kChanges));
    DestroyWindow(hwnd);

    SetLastError(0xdeadbeef);
    EXPECT_FALSE(EnableWindow(hwnd, TRUE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(WindowState, WindowRectIsInScreenCoordinates)
{
    const HWND parent = CreateWindowExA(0, windowClass.name(), "p", 0, 100, 50, 400, 300,
                                        nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindowExA(0, windowClass.name(), "c", WS_CHILD, 10, 20, 30, 40,
                                       parent, nullptr, nullptr, nullptr);
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(child, &rect));
    EXPECT_EQ((RECT{110, 70, 140, 110}), rect);
    ASSERT_TRUE(GetWindowRect(parent, &rect));
    EXPECT_EQ((RECT{100, 50, 500, 350}), rect);
    DestroyWindow(parent);
}

TEST_F(WindowState, PlacementFollowsTheShowCommands)
{
    struct Case {
        const char *name;
        UINT flags;
        UINT showCmd;
        UINT reportedShowCmd;
        bool visible;
        RECT rect;  // GetWindowRect afterwards (the parent is at 0, 0)
    };
    const Case kCases[] = {
        {"hide applies the rectangle", 0, SW_HIDE, SW_SHOWNORMAL, false, {5, 6, 105, 56}},
        {"normal", 0, SW_SHOWNORMAL, SW_SHOWNORMAL, true, {5, 6, 105, 56}},
        {"maximised fills the parent", 0, SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED, true,
         {0, 0, 400, 300}},
        {"minimised at the set position", WPF_SETMINPOSITION, SW_SHOWMINIMIZED,
         SW_SHOWMINIMIZED, true, {7, 8, 167, 36}},
    };
    const HWND parent = CreateWindowExA(0, windowClass.name(), "p", WS_VISIBLE, 0, 0, 400, 300,
                                        nullptr, nullptr, nullptr, nullptr);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        const HWND child = windowClass.create("c", WS_CHILD, parent, 1);
        WINDOWPLACEMENT placement{sizeof placement, c.flags, c.showCmd, {7, 8}, {-1, -1},
                                  {5, 6, 105, 56}};
        ASSERT_TRUE(SetWindowPlacement(child, &placement));
        WINDOWPLACEMENT read{};
        ASSERT_TRUE(GetWindowPlacement(child, &read));
        EXPECT_EQ(sizeof read, read.length);
        EXPECT_EQ(c.reportedShowCmd, read.showCmd);
        EXPECT_EQ((RECT{5, 6, 105, 56}), read.rcNormalPosition);
        EXPECT_EQ(c.visible, IsWindowVisible(child) != FALSE);
        RECT rect{};
        GetWindowRect(child, &rect);
        EXPECT_EQ(c.rect, rect);
        DestroyWindow(child);
    }
    DestroyWindow(parent);
}

TEST_F(WindowState, FreshWindowReportsNormalPlacementWithUnsetPositions)
{
    const HWND hwnd = windowClass.create("top");
    WINDOWPLACEMENT read{};
    ASSERT_TRUE(GetWindowPlacement(hwnd, &read));
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), read.showCmd);  // hidden, still 1
    EXPECT_EQ(0u, read.flags);
    EXPECT_EQ(-1, read.ptMinPosition.x);
    EXPECT_EQ(-1, read.ptMaxPosition.y);
    EXPECT_EQ((RECT{0, 0, 100, 50}), read.rcNormalPosition);
    DestroyWindow(hwnd);
}

TEST_F(WindowState, SetWindowPlacementRefusesAWrongLength)
{
    const HWND hwnd = windowClass.create("top");
    for (UINT length : {0u, static_cast<UINT>(sizeof(WINDOWPLACEMENT)) + 1}) {
        SCOPED_TRACE(length);
        WINDOWPLACEMENT placement{length, 0, SW_SHOWNORMAL, {}, {}, {1, 2, 3, 4}};
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(SetWindowPlacement(hwnd, &placement));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_FALSE(IsWindowVisible(hwnd));
    }
    DestroyWindow(hwnd);
}

TEST_F(WindowState, SystemCommandsChangeTheSizeStateAndRestoreKeepsTheNormalRectangle)
{
    const HWND hwnd = windowClass.create("top", WS_VISIBLE);
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    vkstest::pumpUntilIdle();
    WINDOWPLACEMENT read{};
    GetWindowPlacement(hwnd, &read);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), read.showCmd);
    // Still maximised once hidden.
    ShowWindow(hwnd, SW_HIDE);
    GetWindowPlacement(hwnd, &read);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), read.showCmd);

    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    GetWindowPlacement(hwnd, &read);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMINIMIZED), read.showCmd);
    EXPECT_EQ(static_cast<UINT>(WPF_RESTORETOMAXIMIZED), read.flags);
    // Restored from a minimise that followed a maximise: maximised again.
    ShowWindow(hwnd, SW_RESTORE);
    GetWindowPlacement(hwnd, &read);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), read.showCmd);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ((RECT{0, 0, 100, 50}), rect);
    DestroyWindow(hwnd);
}

TEST_F(WindowState, ActivationFollowsShowingAndPassesToTheOwner)
{
    const HWND owner = windowClass.create("owner", WS_VISIBLE);
    EXPECT_EQ(owner, GetActiveWindow());
    const HWND popup = windowClass.create("popup", WS_POPUP, owner);
    EXPECT_EQ(owner, GetActiveWindow());  // created hidden
    takeSeen();
    ShowWindow(popup, SW_SHOWNORMAL);
    EXPECT_EQ(popup, GetActiveWindow());
    EXPECT_EQ(popup, FindWindowA(nullptr, nullptr));  // raised to the top
    ShowWindow(popup, SW_SHOWNA);
    DestroyWindow(popup);
    EXPECT_EQ(owner, GetActiveWindow());
    const Seen kSequence[] = {{popup, WM_SHOWWINDOW, TRUE},   {owner, WM_ACTIVATE, WA_INACTIVE},
                              {popup, WM_ACTIVATE, WA_ACTIVE}, {popup, WM_ACTIVATE, WA_INACTIVE},
                              {owner, WM_ACTIVATE, WA_ACTIVE}};
    EXPECT_THAT(takeStateMessages(), ElementsAreArray(kSequence));
    DestroyWindow(owner);
    EXPECT_EQ(nullptr, GetActiveWindow());
}

TEST_F(WindowState, GetDlgItemFindsDirectChildrenOnly)
{
    const HWND dialog = windowClass.create("dialog", WS_POPUP);
    const HWND button = windowClass.create("b", WS_CHILD, dialog, 7);
    const HWND label = windowClass.create("s", WS_CHILD, dialog, 0xFFFF);
    windowClass.create("inner", WS_CHILD, button, 9);
    EXPECT_EQ(button, GetDlgItem(dialog, 7));
    EXPECT_EQ(label, GetDlgItem(dialog, 0xFFFF));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetDlgItem(dialog, 9));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND), GetLastError());
    DestroyWindow(dialog);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetDlgItem(dialog, 7));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

}  // namespace
