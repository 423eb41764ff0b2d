// CVerticalProgressCtrl: the lower part of the control filled by percentage.
#include <gtest/gtest.h>

#include "control_fixtures.h"
#include "ui/vertical_progress.h"

using uitest::ControlOnWindowTest;
using uitest::drawnItems;
using uitest::pumpMessages;

namespace {

constexpr COLORREF kFill = RGB(0, 128, 0);

class VerticalProgress : public ControlOnWindowTest {
protected:
    void create(int height)
    {
        ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 30, 10 + height),
                                    &parent, 50));
        progress.SetColor(kFill);
        pumpMessages();
    }

    // The fills of the fill colour drawn on the control since it was last painted whole.
    std::vector<RECT> fills() const
    {
        std::vector<RECT> found;
        for (const VksDrawnItem &item : drawnItems(progress.m_hWnd))
            if (item.kind == VKS_DRAWN_FILL && item.color == kFill)
                found.push_back(item.rect);
        return found;
    }

    CVerticalProgressCtrl progress;
};

TEST_F(VerticalProgress, UpDateRepaintsFillingTheLowerPart)
{
    create(100);
    const struct {
        int percent;
        int top;
        size_t fills;  // an empty fill draws nothing
    } rows[] = {{0, 100, 0}, {50, 50, 1}, {100, 0, 1}, {50, 50, 1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.percent);
        progress.UpDate(row.percent);
        RECT update{};
        ASSERT_TRUE(GetUpdateRect(progress.m_hWnd, &update, FALSE));
        EXPECT_EQ(100, update.bottom) << "the whole control";
        pumpMessages();

        const CRect filled = progress.GetRect();
        EXPECT_EQ(CRect(0, row.top, 20, 100), filled);
        const std::vector<RECT> drawn = fills();
        ASSERT_EQ(row.fills, drawn.size());
        if (row.fills) {
            EXPECT_EQ(filled, CRect(drawn[0]));
        }
    }
}

TEST_F(VerticalProgress, TheFillIsDrawnOverTheBarsOwnPainting)
{
    create(100);
    progress.SetPos(80);
    progress.UpDate(30);
    pumpMessages();
    const auto items = drawnItems(progress.m_hWnd);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(kFill, items.back().color);
    EXPECT_EQ(70, items.back().rect.top);
}

TEST_F(VerticalProgress, InitComputesTruncatingWithoutRepainting)
{
    const struct {
        int height;
        int percent;
        int top;
    } rows[] = {
        {100, 33, 67},  // 33 of 100
        {50, 33, 34},   // 16.5 becomes 16
        {7, 50, 4},     // 3.5 becomes 3
        {100, 0, 100},
        {100, 100, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.percent << "% of " << row.height);
        CVerticalProgressCtrl control;
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, row.height), &parent,
                                   51));
        pumpMessages();
        control.Init(row.percent);
        EXPECT_EQ(CRect(0, row.top, 20, row.height), control.GetRect());
        EXPECT_FALSE(GetUpdateRect(control.m_hWnd, nullptr, FALSE));
        control.DestroyWindow();
    }
}

TEST_F(VerticalProgress, ColourIsKept)
{
    create(10);
    EXPECT_EQ(kFill, progress.GetColor());
    progress.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), progress.GetColor());
}

}  // namespace
