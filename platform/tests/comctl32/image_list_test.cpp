// Image lists: images cut from bitmap strips, their sizes, background and drawing.
#include <vector>

#include <gtest/gtest.h>

#include "comctl32/image_list.h"
#include "commctrl.h"
#include "vkshost.h"
#include "window_fixtures.h"

namespace {

constexpr int kStrip24 = 200, kStrip8 = 201, kTruncated = 203;

HINSTANCE program()
{
    return GetModuleHandleA(nullptr);
}

TEST(ImageList, LoadsABitmapStripCutIntoImages)
{
    const struct {
        const char *name;
        int id;
        int cx;
        int count, cy;
    } rows[] = {
        {"four frames of 8", kStrip24, 8, 4, 6},
        {"a remainder is dropped", kStrip24, 10, 3, 6},
        {"one frame as wide as the strip", kStrip24, 32, 1, 6},
        {"palette strip", kStrip8, 5, 3, 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HIMAGELIST list =
            ImageList_LoadImageA(program(), MAKEINTRESOURCEA(row.id), row.cx, 1, CLR_NONE,
                                 IMAGE_BITMAP, LR_DEFAULTCOLOR);
        ASSERT_NE(nullptr, list);
        EXPECT_EQ(row.count, ImageList_GetImageCount(list));
        int cx = 0, cy = 0;
        ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
        EXPECT_EQ(row.cx, cx);
        EXPECT_EQ(row.cy, cy);
        IMAGEINFO info{};
        ASSERT_TRUE(ImageList_GetImageInfo(list, row.count - 1, &info));
        EXPECT_EQ(row.cx, info.rcImage.right - info.rcImage.left);
        EXPECT_EQ(row.cy, info.rcImage.bottom - info.rcImage.top);
        EXPECT_FALSE(ImageList_GetImageInfo(list, row.count, &info));
        EXPECT_FALSE(ImageList_GetImageInfo(list, -1, &info));
        EXPECT_TRUE(ImageList_Destroy(list));
    }
}

TEST(ImageList, RefusesWhatItCannotLoad)
{
    const struct {
        const char *name;
        int id;
        int cx;
        UINT type;
    } rows[] = {
        {"no such bitmap", 999, 8, IMAGE_BITMAP},
        {"damaged bitmap", kTruncated, 4, IMAGE_BITMAP},
        {"no width", kStrip24, 0, IMAGE_BITMAP},
        {"frames wider than the strip", kStrip24, 33, IMAGE_BITMAP},
        {"not a bitmap", kStrip24, 8, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(nullptr, ImageList_LoadImageA(program(), MAKEINTRESOURCEA(row.id), row.cx, 1,
                                                CLR_NONE, row.type, 0));
    }
}

TEST(ImageList, MaskColourMakesThosePixelsTransparent)
{
    const HIMAGELIST list = ImageList_LoadBitmap(program(), MAKEINTRESOURCEA(kStrip24), 8, 1,
                                                 RGB(255, 0, 255));
    ASSERT_NE(nullptr, list);
    const auto object = vks::detail::imageListOf(list);
    ASSERT_NE(nullptr, object);
    ASSERT_EQ(4u, object->images.size());
    EXPECT_EQ(vks::detail::kTransparentPixel, object->images[2].pixels[0]);
    EXPECT_EQ(RGB(0, 0, 255), object->images[2].pixels[1]);
    ImageList_Destroy(list);
}

TEST(ImageList, AddsImagesFromBitmapsAfterThoseItHas)
{
    const HIMAGELIST list = ImageList_Create(8, 6, ILC_COLOR24 | ILC_MASK, 0, 2);
    ASSERT_NE(nullptr, list);
    const HBITMAP strip = LoadBitmapA(program(), MAKEINTRESOURCEA(kStrip24));
    EXPECT_EQ(0, ImageList_Add(list, strip, nullptr));
    EXPECT_EQ(4, ImageList_AddMasked(list, strip, RGB(255, 0, 255)));
    EXPECT_EQ(8, ImageList_GetImageCount(list));
    // A bitmap of another height gives no image.
    const HBITMAP other = LoadBitmapA(program(), MAKEINTRESOURCEA(kStrip8));
    EXPECT_EQ(-1, ImageList_Add(list, other, nullptr));
    EXPECT_EQ(-1, ImageList_Add(list, nullptr, nullptr));
    EXPECT_EQ(8, ImageList_GetImageCount(list));
    DeleteObject(strip);
    DeleteObject(other);
    ImageList_Destroy(list);
}

TEST(ImageList, BackgroundStartsAsNoneAndSetReturnsThePrevious)
{
    const HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR, 1, 1);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(static_cast<COLORREF>(CLR_NONE), ImageList_GetBkColor(list));
    EXPECT_EQ(static_cast<COLORREF>(CLR_NONE), ImageList_SetBkColor(list, RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), ImageList_SetBkColor(list, CLR_NONE));
    EXPECT_EQ(static_cast<COLORREF>(CLR_NONE), ImageList_GetBkColor(list));
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST(ImageList, HandlesThatAreNoListFail)
{
    const HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR, 1, 1);
    ASSERT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(0, ImageList_GetImageCount(list));
    int cx = 0, cy = 0;
    EXPECT_FALSE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(nullptr, ImageList_Create(-1, 4, ILC_COLOR, 1, 1));
    EXPECT_EQ(nullptr, ImageList_Create(4, 4, ILC_COLOR, -1, 1));
}

class ImageListDrawTest : public vkstest::WindowTest {
protected:
    void TearDown() override
    {
        DestroyWindow(window);
        WindowTest::TearDown();
    }
    vkstest::ScopedWindowClass windowClass{DefWindowProcA};
    HWND window = windowClass.create("canvas", WS_POPUP);
};

TEST_F(ImageListDrawTest, DrawRecordsTheImageAtItsPlace)
{
    const HIMAGELIST list =
        ImageList_LoadBitmap(program(), MAKEINTRESOURCEA(kStrip24), 8, 1, CLR_NONE);
    const HDC dc = GetDC(window);
    EXPECT_TRUE(ImageList_Draw(list, 2, dc, 10, 20, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, 4, dc, 0, 0, ILD_NORMAL));
    ReleaseDC(window, dc);
    EXPECT_FALSE(ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL));

    VksDrawnItem item{};
    ASSERT_EQ(1u, VksHostDrawnItems(window, &item, 1));
    EXPECT_EQ(static_cast<UINT>(VKS_DRAWN_IMAGE), item.kind);
    EXPECT_EQ(list, item.source);
    EXPECT_EQ(2, item.image);
    EXPECT_EQ(10, item.rect.left);
    EXPECT_EQ(20, item.rect.top);
    EXPECT_EQ(18, item.rect.right);
    EXPECT_EQ(26, item.rect.bottom);
    ImageList_Destroy(list);
}

}  // namespace
