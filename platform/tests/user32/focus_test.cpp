// Focus and activation: SetFocus, GetFocus, SetActiveWindow, the foreground window and IsChild,
// with the messages in Windows' order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control_fixtures.h"
#include "input_log.h"
#include "windows.h"

namespace {

using ::testing::ElementsAreArray;
using vkstest::Event;
using vkstest::handle;
using vkstest::handleW;
using vkstest::takeEvents;

class Focus : public vkstest::InputTest {
protected:
    // A visible, active top-level window with two children, and the log emptied.
    void SetUp() override
    {
        InputTest::SetUp();
        top = make("top", WS_POPUP | WS_VISIBLE);
        first = make("first", WS_CHILD | WS_VISIBLE, top, 0, 0, 40, 20, 1);
        second = make("second", WS_CHILD | WS_VISIBLE, top, 0, 20, 40, 20, 2);
        takeEvents();
    }

    HWND top = nullptr, first = nullptr, second = nullptr;
};

TEST_F(Focus, MovingTheFocusTellsTheOldWindowThenTheNewEachNamingTheOther)
{
    ASSERT_EQ(top, GetActiveWindow());
    EXPECT_EQ(top, GetFocus()) << "the default activation gives the window the focus";
    EXPECT_EQ(top, SetFocus(first));
    EXPECT_EQ(first, SetFocus(second));
    EXPECT_EQ(second, GetFocus());
    EXPECT_EQ(second, SetFocus(second)) << "focusing the focus again changes nothing";
    EXPECT_EQ(second, SetFocus(nullptr));
    EXPECT_EQ(nullptr, GetFocus());
    const Event kSequence[] = {
        {top, WM_KILLFOCUS, handleW(first)},     {first, WM_SETFOCUS, handleW(top)},
        {first, WM_KILLFOCUS, handleW(second)},  {second, WM_SETFOCUS, handleW(first)},
        {second, WM_KILLFOCUS, 0},
    };
    EXPECT_THAT(takeEvents(), ElementsAreArray(kSequence));
}

TEST_F(Focus, FocusingAWindowOfAnInactiveTopLevelWindowActivatesThatOneFirst)
{
    const HWND other = make("other", WS_POPUP);  // hidden, so `top` stays active
    const HWND field = make("field", WS_CHILD | WS_VISIBLE, other, 0, 0, 10, 10, 3);
    takeEvents();
    EXPECT_EQ(other, SetFocus(field));
    EXPECT_EQ(other, GetActiveWindow());
    EXPECT_EQ(field, GetFocus());
    // The new window's default WM_ACTIVATE takes the focus, which the call then moves on.
    const Event kSequence[] = {
        {top, WM_NCACTIVATE, FALSE, handle(other)},
        {top, WM_ACTIVATE, WA_INACTIVE, handle(other)},
        {other, WM_NCACTIVATE, TRUE, handle(top)},
        {other, WM_ACTIVATE, WA_ACTIVE, handle(top)},
        {top, WM_KILLFOCUS, handleW(other)},
        {other, WM_SETFOCUS, handleW(top)},
        {other, WM_KILLFOCUS, handleW(field)},
        {field, WM_SETFOCUS, handleW(other)},
    };
    EXPECT_THAT(takeEvents(), ElementsAreArray(kSequence));
}

TEST_F(Focus, AHiddenOrDestroyedFocusWindowGivesTheFocusToItsParent)
{
    SetFocus(first);
    takeEvents();
    ShowWindow(first, SW_HIDE);
    EXPECT_EQ(top, GetFocus());
    SetFocus(second);
    ASSERT_TRUE(DestroyWindow(second));
    EXPECT_EQ(top, GetFocus());
    const Event kSequence[] = {
        {first, WM_KILLFOCUS, handleW(top)},
        {top, WM_SETFOCUS, handleW(first)},
        {top, WM_KILLFOCUS, handleW(second)},
        {second, WM_SETFOCUS, handleW(top)},
        {second, WM_KILLFOCUS, handleW(top)},
        {top, WM_SETFOCUS, handleW(second)},
    };
    EXPECT_THAT(takeEvents(), ElementsAreArray(kSequence));

    // A top-level window that goes takes the focus of its children with it.
    const HWND inner = make("inner", WS_CHILD | WS_VISIBLE, first, 0, 0, 5, 5, 4);
    ShowWindow(first, SW_SHOW);
    SetFocus(inner);
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_EQ(nullptr, GetFocus());
    EXPECT_EQ(nullptr, GetActiveWindow());
}

TEST_F(Focus, WindowsThatCannotTakeTheFocusAreRefused)
{
    SetFocus(first);
    EnableWindow(second, FALSE);
    const HWND inDisabled = make("in disabled", WS_CHILD | WS_VISIBLE, second, 0, 0, 5, 5, 5);
    takeEvents();
    const struct {
        const char *name;
        HWND hwnd;
        DWORD error;
    } rows[] = {
        {"no window", reinterpret_cast<HWND>(0x4321), ERROR_INVALID_WINDOW_HANDLE},
        {"disabled", second, 0xdeadbeef},
        {"inside a disabled window", inDisabled, 0xdeadbeef},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, SetFocus(row.hwnd));
        EXPECT_EQ(row.error, GetLastError());
        EXPECT_EQ(first, GetFocus());
    }
    EXPECT_TRUE(takeEvents().empty());
}

TEST_F(Focus, SetActiveWindowAnswersThePreviousAndSendsNcActivateBeforeActivate)
{
    const HWND other = make("other", WS_POPUP | WS_VISIBLE);
    ASSERT_EQ(other, GetActiveWindow());
    takeEvents();
    EXPECT_EQ(other, SetActiveWindow(top));
    EXPECT_EQ(top, GetActiveWindow());
    EXPECT_EQ(top, GetForegroundWindow());
    EXPECT_EQ(top, GetFocus());
    const Event kSequence[] = {
        {other, WM_NCACTIVATE, FALSE, handle(top)},
        {other, WM_ACTIVATE, WA_INACTIVE, handle(top)},
        {top, WM_NCACTIVATE, TRUE, handle(other)},
        {top, WM_ACTIVATE, WA_ACTIVE, handle(other)},
        {other, WM_KILLFOCUS, handleW(top)},
        {top, WM_SETFOCUS, handleW(other)},
    };
    EXPECT_THAT(takeEvents(), ElementsAreArray(kSequence));

    EXPECT_EQ(top, SetActiveWindow(first)) << "a child cannot be active";
    EXPECT_EQ(top, GetActiveWindow());
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, SetActiveWindow(reinterpret_cast<HWND>(0x4321)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    EXPECT_TRUE(SetForegroundWindow(second));
    EXPECT_EQ(top, GetForegroundWindow()) << "a child brings its top-level window forward";

    EXPECT_EQ(top, SetActiveWindow(nullptr));
    EXPECT_EQ(nullptr, GetActiveWindow());
    EXPECT_EQ(nullptr, GetFocus()) << "no active window, no focus";
}

TEST_F(Focus, IsChildFollowsTheParentChainOnly)
{
    const HWND inner = make("inner", WS_CHILD, first, 0, 0, 5, 5, 6);
    const HWND owned = make("owned", WS_POPUP, top);
    const struct {
        const char *name;
        HWND parent, hwnd;
        BOOL expected;
    } rows[] = {
        {"child", top, first, TRUE},
        {"grandchild", top, inner, TRUE},
        {"itself", top, top, FALSE},
        {"sibling", first, second, FALSE},
        {"the other way", first, top, FALSE},
        {"owned pop-up", top, owned, FALSE},
        {"no window", top, reinterpret_cast<HWND>(0x4321), FALSE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, IsChild(row.parent, row.hwnd));
    }
}

TEST_F(Focus, TheKeyStateFollowsTheKeyMessagesTakenFromTheQueue)
{
    const struct {
        const char *name;
        UINT posted;  // 0: nothing posted
        UINT take;    // how PeekMessageA is called, if at all
        SHORT expected;
    } steps[] = {
        {"untouched", 0, 0, 0},
        {"down: high bit, and toggled", WM_KEYDOWN, PM_REMOVE, static_cast<SHORT>(0xFF81)},
        {"repeated: toggled only once", WM_KEYDOWN, PM_REMOVE, static_cast<SHORT>(0xFF81)},
        {"up: still toggled", WM_KEYUP, PM_REMOVE, 1},
        {"seen but left in the queue", WM_KEYDOWN, PM_NOREMOVE, 1},
        {"then taken: toggled back", 0, PM_REMOVE, static_cast<SHORT>(0xFF80)},
        {"up again", WM_KEYUP, PM_REMOVE, 0},
    };
    constexpr int kKey = 'Q';
    vkstest::drainQueue();
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        if (step.posted)
            PostMessageA(top, step.posted, kKey, 0);
        MSG msg;
        if (step.posted || step.take == PM_REMOVE) {
            ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYUP, step.take));
        }
        EXPECT_EQ(step.expected, GetKeyState(kKey));
    }
}

using EditFocus = vkstest::ControlTest;

TEST_F(EditFocus, TheEditTellsItsParentWhenItGainsAndLosesTheFocus)
{
    const HWND edit = child("Edit", "text", 0);
    ASSERT_NE(nullptr, edit);
    takeNotes();
    SetFocus(edit);
    SetFocus(parent);
    const vkstest::Note kNotes[] = {command(edit, EN_SETFOCUS), command(edit, EN_KILLFOCUS)};
    EXPECT_THAT(takeNotes(), ElementsAreArray(kNotes));
}

}  // namespace
