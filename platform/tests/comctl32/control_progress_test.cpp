// The progress bar: its range, position and step, and what it paints.
#include <vector>

#include <gtest/gtest.h>

#include "control_fixtures.h"
#include "vkshost.h"

namespace {

using vkstest::ControlTest;

class ProgressTest : public ControlTest {
protected:
    HWND bar(DWORD style = 0, int width = 100, int height = 20)
    {
        return child(PROGRESS_CLASSA, "", style, kId, width, height);
    }
    static LRESULT send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(hwnd, message, wParam, lParam);
    }
};

TEST_F(ProgressTest, StartsAtZeroInZeroToAHundredWithAStepOfTen)
{
    const HWND progress = bar();
    ASSERT_NE(nullptr, progress);
    PBRANGE range{-1, -1};
    EXPECT_EQ(0, send(progress, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(100, range.iHigh);
    EXPECT_EQ(100, send(progress, PBM_GETRANGE, FALSE));
    EXPECT_EQ(0, send(progress, PBM_GETPOS));
    EXPECT_EQ(10, send(progress, PBM_SETSTEP, 20));
    EXPECT_EQ(20, send(progress, PBM_SETSTEP, 10));
}

TEST_F(ProgressTest, PositionMessagesReturnThePreviousPositionInsideTheRange)
{
    const HWND progress = bar();
    const struct {
        UINT message;
        WPARAM wParam;
        LRESULT previous;
        int now;
    } rows[] = {
        {PBM_SETPOS, 10, 0, 10},   {PBM_SETSTEP, 20, 10, 10}, {PBM_SETPOS, 50, 10, 50},
        {PBM_DELTAPOS, 15, 50, 65}, {PBM_SETPOS, 80, 65, 80}, {PBM_STEPIT, 0, 80, 100},
        {PBM_SETPOS, 150, 100, 100}, {PBM_DELTAPOS, WPARAM(-500), 100, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << std::hex << row.message << " " << row.wParam);
        EXPECT_EQ(row.previous, send(progress, row.message, row.wParam));
        EXPECT_EQ(row.now, send(progress, PBM_GETPOS));
    }
}

TEST_F(ProgressTest, RangesReturnThePreviousRangeAndKeepThePositionInside)
{
    const HWND progress = bar();
    send(progress, PBM_SETPOS, 70);
    EXPECT_EQ(MAKELONG(0, 100), send(progress, PBM_SETRANGE, 0, MAKELPARAM(10, 50)));
    EXPECT_EQ(50, send(progress, PBM_GETPOS));
    EXPECT_EQ(MAKELONG(10, 50), send(progress, PBM_SETRANGE32, -20, 40));
    EXPECT_EQ(-20, send(progress, PBM_GETRANGE, TRUE));
    // The packed answer cuts each end to 16 bits.
    EXPECT_EQ(static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(-20, 40))),
              send(progress, PBM_SETRANGE32, 0, 70000));
    EXPECT_EQ(70000, send(progress, PBM_GETRANGE, FALSE));
}

TEST_F(ProgressTest, StepItWrapsRoundTheRange)
{
    // min, max, step, then the positions after each of four steps from min.
    const struct {
        int low, high, step;
        int after[4];
    } rows[] = {
        {3, 15, 5, {8, 13, 6, 11}},
        {3, 15, -5, {10, 5, 12, 7}},
        {3, 15, 50, {5, 7, 9, 11}},
        {-15, 15, 5, {-10, -5, 0, 5}},
        {5, 5, 1, {5, 5, 5, 5}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.low << ".." << row.high << " by " << row.step);
        const HWND progress = bar();
        send(progress, PBM_SETRANGE32, row.low, row.high);
        send(progress, PBM_SETPOS, row.low);
        send(progress, PBM_SETSTEP, row.step);
        for (int expected : row.after) {
            send(progress, PBM_STEPIT);
            EXPECT_EQ(expected, send(progress, PBM_GETPOS));
        }
        DestroyWindow(progress);
    }
}

TEST_F(ProgressTest, APositionChangeRepaintsAtOnceFillingUpToIt)
{
    const struct {
        const char *name;
        DWORD style;
        int position;
        RECT filled;
    } rows[] = {
        {"across", 0, 25, {0, 0, 25, 20}},
        {"upwards", PBS_VERTICAL, 25, {0, 15, 100, 20}},
        {"full", PBS_VERTICAL, 100, {0, 0, 100, 20}},
    };
    // Hidden windows have nothing to paint.
    ShowWindow(parent, SW_SHOWNA);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HWND progress = bar(row.style);
        UpdateWindow(progress);
        send(progress, PBM_SETPOS, row.position);
        RECT update{};
        EXPECT_FALSE(GetUpdateRect(progress, &update, FALSE));
        VksDrawnItem items[2] = {};
        ASSERT_EQ(2u, VksHostDrawnItems(progress, items, 2));
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), items[0].color);
        EXPECT_EQ(100, items[0].rect.right);
        EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), items[1].color);
        EXPECT_EQ(row.filled.left, items[1].rect.left);
        EXPECT_EQ(row.filled.top, items[1].rect.top);
        EXPECT_EQ(row.filled.right, items[1].rect.right);
        EXPECT_EQ(row.filled.bottom, items[1].rect.bottom);
        DestroyWindow(progress);
    }
}

}  // namespace
