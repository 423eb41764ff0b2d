// CClientDC, CPaintDC, CBrush, CBitmap, CImageList and CProgressCtrl over the platform's
// drawing, image lists and progress bar.
#include <vector>

#include <gtest/gtest.h>

#include "afxcmn.h"
#include "dialog_support.h"
#include "resources/framework_dialogs.h"
#include "vkshost.h"

using namespace fwtest;

namespace {

constexpr UINT kFrames = 400;  // resources/framework_bitmaps.rc

std::vector<VksDrawnItem> drawnItems(HWND hwnd)
{
    std::vector<VksDrawnItem> items(VksHostDrawnItems(hwnd, nullptr, 0));
    items.resize(VksHostDrawnItems(hwnd, items.data(), static_cast<UINT>(items.size())));
    return items;
}

class Drawing : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(dialog.Create(IDD_FORM));
    }
    void TearDown() override
    {
        dialog.DestroyWindow();
        DialogTest::TearDown();
    }

    CDialog dialog;
};

TEST_F(Drawing, ClientContextFillsAndIsReleasedWithTheObject)
{
    HDC used = nullptr;
    {
        CClientDC dc(&dialog);
        ASSERT_NE(nullptr, dc.m_hDC);
        used = dc;
        dc.FillSolidRect(1, 2, 10, 20, RGB(9, 8, 7));
        const RECT r{0, 0, 4, 4};
        dc.FillRect(&r, GetSysColorBrush(COLOR_WINDOW));
    }
    EXPECT_EQ(0, ReleaseDC(dialog.m_hWnd, used)) << "already released";
    const std::vector<VksDrawnItem> items = drawnItems(dialog.m_hWnd);
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(RGB(9, 8, 7), items[0].color);
    EXPECT_EQ(11, items[0].rect.right);
    EXPECT_EQ(22, items[0].rect.bottom);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), items[1].color);
}

TEST_F(Drawing, BrushAndBitmapFreeTheirObjects)
{
    HBRUSH brushHandle = nullptr;
    HBITMAP bitmapHandle = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        brushHandle = brush;
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(kFrames));
        bitmapHandle = bitmap;
        BITMAP shape{};
        ASSERT_EQ(static_cast<int>(sizeof shape), bitmap.GetBitmap(&shape));
        EXPECT_EQ(32, shape.bmWidth);
        EXPECT_EQ(6, shape.bmHeight);
    }
    EXPECT_FALSE(DeleteObject(brushHandle));
    EXPECT_FALSE(DeleteObject(bitmapHandle));
}

TEST_F(Drawing, ImageListFromABitmapIdCutsItsFrames)
{
    CImageList frames;
    ASSERT_TRUE(frames.Create(kFrames, 8, 1, RGB(255, 0, 255)));
    EXPECT_EQ(4, frames.GetImageCount());
    IMAGEINFO info{};
    ASSERT_TRUE(frames.GetImageInfo(3, &info));
    EXPECT_EQ(8, info.rcImage.right - info.rcImage.left);
    EXPECT_EQ(6, info.rcImage.bottom - info.rcImage.top);
    EXPECT_EQ(static_cast<COLORREF>(CLR_NONE), frames.SetBkColor(RGB(4, 5, 6)));
    EXPECT_EQ(RGB(4, 5, 6), frames.GetBkColor());

    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(kFrames));
    EXPECT_EQ(4, frames.Add(&strip, RGB(255, 0, 255)));
    EXPECT_EQ(8, frames.Add(&strip, nullptr));
    EXPECT_EQ(12, frames.GetImageCount());

    {
        CClientDC dc(&dialog);
        EXPECT_TRUE(frames.Draw(&dc, 11, {3, 4}, ILD_NORMAL));
    }
    const std::vector<VksDrawnItem> items = drawnItems(dialog.m_hWnd);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(frames.m_hImageList, items[0].source);
    EXPECT_EQ(11, items[0].image);

    const HIMAGELIST handle = frames;
    EXPECT_TRUE(frames.DeleteImageList());
    EXPECT_EQ(nullptr, frames.m_hImageList);
    EXPECT_FALSE(ImageList_Destroy(handle));
    EXPECT_FALSE(frames.Create(999, 8, 1, CLR_NONE));
}

TEST_F(Drawing, ProgressControlPassesItsCallsToTheBar)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 10), &dialog, 42));
    progress.SetRange(10, 50);
    int low = 0, high = 0;
    progress.GetRange(low, high);
    EXPECT_EQ(10, low);
    EXPECT_EQ(50, high);
    EXPECT_EQ(10, progress.SetPos(20));
    EXPECT_EQ(20, progress.OffsetPos(5));
    EXPECT_EQ(10, progress.SetStep(30));
    EXPECT_EQ(25, progress.StepIt());
    EXPECT_EQ(15, progress.GetPos()) << "55 wraps round to 10 + 5";
    progress.SetRange32(-100, 100000);
    progress.GetRange(low, high);
    EXPECT_EQ(-100, low);
    EXPECT_EQ(100000, high);
}

}  // namespace
