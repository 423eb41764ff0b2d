// The up-down control.
#include <gtest/gtest.h>

#include <string>

#include "commctrl.h"
#include "control_fixtures.h"
#include "windows.h"

namespace {

using vkstest::Note;

class UpDownControl : public vkstest::ControlTest {
protected:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 40;

    HWND upDown(DWORD style = 0) const
    {
        return child(UPDOWN_CLASSA, "", style, kId, kWidth, kHeight);
    }

    // Presses and releases one arrow: the upper (or, with UDS_HORZ, the right) half increments.
    static void click(HWND control, bool incrementSide, bool horizontal = false)
    {
        const int x = horizontal ? (incrementSide ? kWidth - 2 : 1) : kWidth / 2;
        const int y = horizontal ? kHeight / 2 : (incrementSide ? 1 : kHeight - 2);
        SendMessageA(control, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    static Note deltaPos(HWND control, int pos, int delta)
    {
        return {WM_NOTIFY, kId, reinterpret_cast<LPARAM>(control), pos, delta};
    }

    static Note scroll(HWND control, WORD request, int pos, UINT message = WM_VSCROLL)
    {
        return {message, MAKEWPARAM(request, pos), reinterpret_cast<LPARAM>(control)};
    }

    static int position(HWND control)
    {
        return static_cast<short>(LOWORD(SendMessageA(control, UDM_GETPOS, 0, 0)));
    }

    static std::string text(HWND control)
    {
        char buffer[16] = {};
        GetWindowTextA(control, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(UpDownControl, StartsAtZeroInTheInvertedRange)
{
    const HWND control = upDown();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(MAKELONG(0, 100), SendMessageA(control, UDM_GETRANGE, 0, 0));
    EXPECT_EQ(0, position(control));
    EXPECT_EQ(0, SendMessageA(control, UDM_GETBUDDY, 0, 0));
}

TEST_F(UpDownControl, SetPosClampsToTheRangeAndReturnsThePrevious)
{
    const struct {
        const char *what;
        LPARAM range;  // MAKELONG(upper, lower)
        short wanted;
        int want;
    } kCases[] = {
        {"inside", MAKELONG(10, 0), 5, 5},
        {"above", MAKELONG(10, 0), 20, 10},
        {"below", MAKELONG(10, 0), -3, 0},
        {"inside an inverted range", MAKELONG(0, 10), 7, 7},
        {"above an inverted range", MAKELONG(0, 10), 11, 10},
        {"negative range", MAKELONG(-5, -20), -30, -20},
    };
    const HWND control = upDown();
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        SendMessageA(control, UDM_SETRANGE, 0, row.range);
        EXPECT_EQ(row.range, SendMessageA(control, UDM_GETRANGE, 0, 0));
        const int before = position(control);
        EXPECT_EQ(before, SendMessageA(control, UDM_SETPOS, 0, MAKELONG(row.wanted, 0)));
        EXPECT_EQ(row.want, position(control));
    }
}

TEST_F(UpDownControl, BuddyTextFollowsThePositionAndIsReadBack)
{
    const HWND control = upDown(UDS_SETBUDDYINT);
    const HWND first = child("Edit", "", 0, 200);
    const HWND buddy = child("Edit", "", 0, 201);
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(50, -50));

    EXPECT_EQ(0, SendMessageA(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(first), 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(first),
              SendMessageA(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(buddy), SendMessageA(control, UDM_GETBUDDY, 0, 0));

    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(-7, 0));
    EXPECT_EQ("-7", text(buddy));
    click(control, true);
    EXPECT_EQ("-6", text(buddy));

    SetWindowTextA(buddy, "42");
    EXPECT_EQ(MAKELONG(42, 0), SendMessageA(control, UDM_GETPOS, 0, 0));

    const struct {
        const char *what;
        const char *text;
    } kBad[] = {{"not a number", "4x"}, {"outside the range", "51"}, {"empty", ""}};
    for (const auto &row : kBad) {
        SCOPED_TRACE(row.what);
        SetWindowTextA(buddy, row.text);
        const LRESULT packed = SendMessageA(control, UDM_GETPOS, 0, 0);
        EXPECT_NE(0, HIWORD(packed));
        EXPECT_EQ(42, LOWORD(packed)) << "the last good position";
    }
}

TEST_F(UpDownControl, ReportsAnErrorUnlessThePositionCameFromTheBuddy)
{
    const struct {
        const char *what;
        DWORD style;
        bool withBuddy;
        WORD wantError;
    } kCases[] = {
        {"no buddy", 0, false, 1},
        {"buddy without its integer", 0, true, 1},
        {"buddy integer without a buddy", UDS_SETBUDDYINT, false, 1},
        {"buddy integer", UDS_SETBUDDYINT, true, 0},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND control = upDown(row.style);
        const HWND buddy = child("Edit", "", 0, 200);
        if (row.withBuddy)
            SendMessageA(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
        SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(10, 0));
        SendMessageA(control, UDM_SETPOS, 0, MAKELONG(3, 0));
        EXPECT_EQ(MAKELONG(3, row.wantError), SendMessageA(control, UDM_GETPOS, 0, 0));
        DestroyWindow(control);
        DestroyWindow(buddy);
    }
}

TEST_F(UpDownControl, BuddyIntegerCountsAsGivenAtCreation)
{
    const HWND control = upDown();
    const HWND buddy = child("Edit", "", 0, 200);
    SendMessageA(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) | UDS_SETBUDDYINT);
    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(20, 0));
    EXPECT_EQ("", text(buddy));
}

TEST_F(UpDownControl, BuddyShowingThePositionIsNotSetAgain)
{
    const HWND control = upDown(UDS_SETBUDDYINT);
    const HWND buddy = child("Edit", "50", 0, 200);
    SendMessageA(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(100, 0));
    takeNotes();
    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(50, 0));
    EXPECT_TRUE(takeNotes().empty()) << "the buddy reported a change";
    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(51, 0));
    const std::vector<Note> kWant = {command(buddy, EN_UPDATE, 200),
                                     command(buddy, EN_CHANGE, 200)};
    EXPECT_EQ(kWant, takeNotes());
}

TEST_F(UpDownControl, PositionIsBroughtInsideARangeSetLater)
{
    const HWND control = upDown();
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(100, 0));
    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(50, 0));
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(1, 40));
    EXPECT_EQ(40, position(control));
    EXPECT_EQ(40, SendMessageA(control, UDM_SETPOS, 0, MAKELONG(0, 0)));
    EXPECT_EQ(1, position(control));
}

TEST_F(UpDownControl, ClickAsksTheParentThenScrolls)
{
    const struct {
        const char *what;
        DWORD style;
        LPARAM range;
        short start;
        bool incrementSide;
        int delta;
        int want;
    } kCases[] = {
        {"up", 0, MAKELONG(10, 0), 5, true, 1, 6},
        {"down", 0, MAKELONG(10, 0), 5, false, -1, 4},
        {"up in the inverted range", 0, MAKELONG(0, 100), 5, true, -1, 4},
        {"up at the top stays", 0, MAKELONG(10, 0), 10, true, 1, 10},
        {"up at the top wraps", UDS_WRAP, MAKELONG(10, 0), 10, true, 1, 0},
        {"down at the bottom wraps", UDS_WRAP, MAKELONG(10, 0), 0, false, -1, 10},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND control = upDown(row.style);
        SendMessageA(control, UDM_SETRANGE, 0, row.range);
        SendMessageA(control, UDM_SETPOS, 0, MAKELONG(row.start, 0));
        takeNotes();
        click(control, row.incrementSide);
        const std::vector<Note> kWant = {deltaPos(control, row.start, row.delta),
                                         scroll(control, SB_THUMBPOSITION, row.want),
                                         scroll(control, SB_ENDSCROLL, row.want)};
        EXPECT_EQ(kWant, takeNotes());
        EXPECT_EQ(row.want, position(control));
        DestroyWindow(control);
    }
}

TEST_F(UpDownControl, HorizontalControlStepsWithTheRightArrowAndScrollsSideways)
{
    const HWND control = upDown(UDS_HORZ);
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(10, 0));
    click(control, true, true);
    const std::vector<Note> kWant = {deltaPos(control, 0, 1),
                                     scroll(control, SB_THUMBPOSITION, 1, WM_HSCROLL),
                                     scroll(control, SB_ENDSCROLL, 1, WM_HSCROLL)};
    EXPECT_EQ(kWant, takeNotes());
}

TEST_F(UpDownControl, ParentMayRefuseOrResizeTheStep)
{
    const HWND control = upDown();
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(10, 0));
    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(5, 0));

    vkstest::deltaAnswer() = {TRUE, 0};
    click(control, true);
    EXPECT_EQ(5, position(control));
    takeNotes();

    vkstest::deltaAnswer() = {FALSE, 3};
    click(control, true);
    EXPECT_EQ(8, position(control));
    const std::vector<Note> kWant = {deltaPos(control, 5, 1),
                                     scroll(control, SB_THUMBPOSITION, 8),
                                     scroll(control, SB_ENDSCROLL, 8)};
    EXPECT_EQ(kWant, takeNotes());
}

TEST_F(UpDownControl, DisabledControlIgnoresClicks)
{
    const HWND control = upDown();
    EnableWindow(control, FALSE);
    click(control, true);
    EXPECT_TRUE(takeNotes().empty());
    EXPECT_EQ(0, position(control));
}

}  // namespace

namespace {

TEST_F(UpDownControl, RangeOf32BitsKeepsItsEnds)
{
    const HWND control = upDown();
    EXPECT_EQ(0, SendMessageA(control, UDM_SETRANGE32, static_cast<WPARAM>(-100000), 100000));
    int lower = 0;
    int upper = 0;
    SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                 reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(-100000, lower);
    EXPECT_EQ(100000, upper);
}

TEST_F(UpDownControl, BaseIsTenOrSixteenAndTheBuddyFollowsIt)
{
    const HWND buddy = child("Edit", "", 0, 201);
    const HWND control = upDown(UDS_SETBUDDYINT);
    SendMessageA(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageA(control, UDM_SETRANGE, 0, MAKELONG(100, 0));
    SendMessageA(control, UDM_SETPOS, 0, MAKELONG(10, 0));
    EXPECT_EQ("10", text(buddy));
    const struct {
        WPARAM base;
        LRESULT previous;
        int now;
        const char *shown;
    } kCases[] = {
        {80, 0, 10, "10"},  // refused: nothing changes
        {16, 10, 16, "0x000A"},
        {7, 0, 16, "0x000A"},
        {10, 16, 10, "10"},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.base);
        EXPECT_EQ(row.previous, SendMessageA(control, UDM_SETBASE, row.base, 0));
        EXPECT_EQ(row.now, SendMessageA(control, UDM_GETBASE, 0, 0));
        EXPECT_EQ(row.shown, text(buddy));
    }
    SendMessageA(control, UDM_SETBASE, 16, 0);
    SetWindowTextA(buddy, "0x001F");
    EXPECT_EQ(MAKELONG(31, 0), SendMessageA(control, UDM_GETPOS, 0, 0)) << "read in hexadecimal";
    DestroyWindow(control);
    DestroyWindow(buddy);
}

}  // namespace
