// TutAnimatedBitmap: its frames, the timer that moves through them, its place in the control
// and its background.
#include <gtest/gtest.h>

#include "control_fixtures.h"
#include "ui/animated_bitmap.h"
#include "vkstest.h"

using uitest::ControlOnWindowTest;
using uitest::drawnItems;
using uitest::pumpMessages;

namespace {

// tut_bitmaps.rc
constexpr unsigned kAnimation = 500, kStill = 501, kLarge = 502;
constexpr unsigned kFrameWidth = 16;  // animation and still
constexpr unsigned kSpeed = 100;

class AnimatedBitmap : public ControlOnWindowTest {
protected:
    void create(unsigned bitmap, int frameWidth, RECT rect = {10, 10, 70, 50})
    {
        ASSERT_TRUE(animation.Create(bitmap, frameWidth, WS_CHILD | WS_VISIBLE, rect, &parent,
                                     CLR_NONE, 40));
        animation.SetSpeed(kSpeed);
    }
    // Lets the timer's interval pass and the message loop run.
    void tick()
    {
        now += kSpeed;
        ticks.set(now);
        pumpMessages();
    }
    // The frame last drawn on the control, -1 when none was.
    int lastDrawnFrame() const
    {
        const auto items = drawnItems(animation.m_hWnd);
        return items.empty() ? -1 : items.back().image;
    }

    DWORD now = 5000;
    vkstest::ScopedTickCount ticks{now};
    TutAnimatedBitmap animation;
};

TEST_F(AnimatedBitmap, SeveralFramesAdvanceOnEachTickAndWrapRound)
{
    create(kAnimation, kFrameWidth);
    EXPECT_EQ(TutAnimatedBitmap::kTimerId, animation.GetTimerId());
    EXPECT_EQ(3, animation.GetFrames().GetImageCount());
    const int frames[] = {1, 2, 0, 1};
    for (int expected : frames) {
        tick();
        EXPECT_EQ(expected, animation.GetCurrentFrame());
        EXPECT_EQ(expected, lastDrawnFrame()) << "drawn at once";
    }
}

TEST_F(AnimatedBitmap, OneFrameStartsNoTimer)
{
    create(kStill, kFrameWidth);
    EXPECT_EQ(1, animation.GetFrames().GetImageCount());
    EXPECT_EQ(0u, animation.GetTimerId());
    animation.StartTimer();
    EXPECT_EQ(0u, animation.GetTimerId());
    tick();
    EXPECT_EQ(0, animation.GetCurrentFrame());
}

TEST_F(AnimatedBitmap, HiddenItStopsAndShownAgainItResumes)
{
    create(kAnimation, kFrameWidth);
    tick();
    ASSERT_EQ(1, animation.GetCurrentFrame());

    animation.ShowWindow(SW_HIDE);
    EXPECT_EQ(0u, animation.GetTimerId());
    tick();
    tick();
    EXPECT_EQ(1, animation.GetCurrentFrame());

    animation.ShowWindow(SW_SHOW);
    EXPECT_EQ(TutAnimatedBitmap::kTimerId, animation.GetTimerId());
    tick();
    EXPECT_EQ(2, animation.GetCurrentFrame());
}

TEST_F(AnimatedBitmap, AMissingBitmapLeavesItWithoutFramesOrTimer)
{
    create(999, kFrameWidth);
    EXPECT_EQ(0, animation.SetBitmap(999, kFrameWidth, CLR_NONE));
    EXPECT_EQ(0u, animation.GetTimerId());
    animation.SetDisplayAttributes(TUT_ANIMATION_CENTER_HORIZONTALLY);
    EXPECT_EQ(0, animation.GetDrawingPosition().x);
    tick();
    EXPECT_EQ(-1, lastDrawnFrame());
}

TEST_F(AnimatedBitmap, SpeedRestartsARunningTimerWithTheNewInterval)
{
    create(kAnimation, kFrameWidth);
    animation.SetSpeed(2 * kSpeed);
    tick();
    EXPECT_EQ(0, animation.GetCurrentFrame()) << "half the new interval";
    tick();
    EXPECT_EQ(1, animation.GetCurrentFrame());
}

TEST_F(AnimatedBitmap, PaintingDrawsTheCurrentFrameAtItsPlace)
{
    create(kAnimation, kFrameWidth);
    animation.SetDisplayAttributes(TUT_ANIMATION_CENTER_VERTICALLY | TUT_ANIMATION_CENTER_HORIZONTALLY);
    tick();
    animation.Invalidate();
    animation.UpdateWindow();
    const auto items = drawnItems(animation.m_hWnd);
    ASSERT_EQ(1u, items.size()) << "painting the whole control starts its list again";
    EXPECT_EQ(1, items[0].image);
    EXPECT_EQ(22, items[0].rect.left);
    EXPECT_EQ(15, items[0].rect.top);
}

TEST_F(AnimatedBitmap, DisplayAttributesCentreTheFrameOrGrowTheControl)
{
    const struct {
        const char *name;
        unsigned bitmap;
        int frameWidth;
        RECT rect;
        unsigned attributes;
        POINT at;
        SIZE size;
    } rows[] = {
        {"both axes", kAnimation, 16, {0, 0, 60, 40}, 0x3, {22, 15}, {60, 40}},
        {"across only", kAnimation, 16, {0, 0, 60, 40}, 0x2, {22, 0}, {60, 40}},
        {"down only", kAnimation, 16, {0, 0, 60, 40}, 0x1, {0, 15}, {60, 40}},
        {"odd space rounds down", kAnimation, 16, {0, 0, 21, 13}, 0x3, {2, 1}, {21, 13}},
        {"none", kAnimation, 16, {0, 0, 60, 40}, 0x0, {0, 0}, {60, 40}},
        {"frame larger both ways", kLarge, 60, {0, 0, 40, 20}, 0x3, {0, 0}, {60, 40}},
        {"frame wider only", kLarge, 60, {0, 0, 40, 80}, 0x3, {0, 20}, {60, 80}},
        {"frame taller, centred across", kLarge, 60, {0, 0, 100, 30}, 0x2, {20, 0}, {100, 40}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TutAnimatedBitmap control;
        ASSERT_TRUE(control.Create(row.bitmap, row.frameWidth, WS_CHILD | WS_VISIBLE, row.rect,
                                   &parent, CLR_NONE, 41));
        const CRect before = [&] {
            CRect r;
            control.GetWindowRect(&r);
            return r;
        }();
        control.SetDisplayAttributes(row.attributes);
        EXPECT_EQ(row.attributes, control.GetDisplayAttributes());
        EXPECT_EQ(row.at.x, control.GetDrawingPosition().x);
        EXPECT_EQ(row.at.y, control.GetDrawingPosition().y);
        CRect client, after;
        control.GetClientRect(&client);
        control.GetWindowRect(&after);
        EXPECT_EQ(row.size.cx, client.Width());
        EXPECT_EQ(row.size.cy, client.Height());
        EXPECT_EQ(before.TopLeft(), after.TopLeft()) << "not moved";
        control.DestroyWindow();
    }
}

TEST_F(AnimatedBitmap, AttributesSetBeforeTheBitmapApplyWhenItLoads)
{
    ASSERT_TRUE(animation.Create(kStill, kFrameWidth, WS_CHILD | WS_VISIBLE, {0, 0, 60, 40},
                                 &parent, CLR_NONE, 40));
    animation.SetDisplayAttributes(TUT_ANIMATION_CENTER_HORIZONTALLY);
    EXPECT_EQ(1, animation.SetBitmap(kLarge, 60, CLR_NONE));
    EXPECT_EQ(0, animation.GetDrawingPosition().x);
    EXPECT_EQ(TutAnimatedBitmap::kTimerId, animation.GetTimerId()) << "two frames";
}

TEST_F(AnimatedBitmap, ErasingIsLeftToTheParent)
{
    create(kAnimation, kFrameWidth);
    pumpMessages();
    parent.erases = 0;
    EXPECT_EQ(uitest::ParentWindow::kErased, animation.SendMessage(WM_ERASEBKGND));
    EXPECT_EQ(1, parent.erases);

    TutAnimatedBitmap alone;
    ASSERT_TRUE(alone.Create(kAnimation, kFrameWidth, WS_POPUP, {0, 0, 60, 40}, nullptr, CLR_NONE,
                             0));
    EXPECT_EQ(0, alone.SendMessage(WM_ERASEBKGND));
    alone.DestroyWindow();
}

TEST_F(AnimatedBitmap, BackgroundFollowsASystemColourUntilGivenAFixedOne)
{
    create(kAnimation, kFrameWidth);
    CImageList &frames = animation.GetFrames();
    EXPECT_EQ(static_cast<COLORREF>(CLR_NONE), frames.GetBkColor());

    animation.SetBkColorToSysColor(COLOR_INFOBK);
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), frames.GetBkColor());
    // The list's colour drifts from the system's; a colour change brings it back.
    frames.SetBkColor(RGB(1, 2, 3));
    animation.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), frames.GetBkColor());

    animation.SetBkColor(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), frames.GetBkColor());
    animation.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(4, 5, 6), frames.GetBkColor()) << "the fixed colour stays";
}

TEST_F(AnimatedBitmap, DestroyingTheWindowStopsTheTimer)
{
    create(kAnimation, kFrameWidth);
    const HWND hwnd = animation.m_hWnd;
    animation.DestroyWindow();
    EXPECT_EQ(0u, animation.GetTimerId());
    EXPECT_FALSE(KillTimer(hwnd, TutAnimatedBitmap::kTimerId));
}

}  // namespace
