// Bitmaps loaded from a module's RT_BITMAP resources, which the resource compiler's BITMAP
// statement carries from .bmp files.
#include <gtest/gtest.h>

#include "windows.h"

namespace {

// The identifiers of resources/bitmaps.rc.
constexpr int kStrip24 = 200, kStrip8 = 201, kStrip4 = 202, kTruncated = 203;

HINSTANCE program()
{
    return GetModuleHandleA(nullptr);
}

TEST(LoadBitmap, ReadsEveryDepthWithItsSize)
{
    const struct {
        int id;
        LONG width, height;
        WORD bits;
    } rows[] = {
        {kStrip24, 32, 6, 24},
        {kStrip8, 15, 4, 8},
        {kStrip4, 6, 2, 4},  // stored from the top
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.id);
        const HBITMAP bitmap = LoadBitmapA(program(), MAKEINTRESOURCEA(row.id));
        ASSERT_NE(nullptr, bitmap);
        BITMAP shape{};
        ASSERT_EQ(static_cast<int>(sizeof shape), GetObjectA(bitmap, sizeof shape, &shape));
        EXPECT_EQ(row.width, shape.bmWidth);
        EXPECT_EQ(row.height, shape.bmHeight);
        EXPECT_EQ(row.bits, shape.bmBitsPixel);
        EXPECT_EQ(1, shape.bmPlanes);
        // Rows of whole 16-bit words.
        EXPECT_EQ((row.width * row.bits + 15) / 16 * 2, shape.bmWidthBytes);
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST(LoadBitmap, FailsCleanlyForMissingOrDamagedBitmaps)
{
    const struct {
        const char *name;
        HINSTANCE module;
        LPCSTR bitmap;
        DWORD error;
    } rows[] = {
        {"no such resource", program(), MAKEINTRESOURCEA(999), ERROR_RESOURCE_NAME_NOT_FOUND},
        {"pixels cut short", program(), MAKEINTRESOURCEA(kTruncated), ERROR_INVALID_DATA},
        {"system bitmaps", nullptr, MAKEINTRESOURCEA(32754), ERROR_RESOURCE_NAME_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, LoadBitmapA(row.module, row.bitmap));
        EXPECT_EQ(row.error, GetLastError());
    }
}

}  // namespace

#include "gdi32/gdi_objects.h"

namespace {

// The decoded pixels, read through the platform's own record of the bitmap.
TEST(LoadBitmap, GivesEachPixelItsColourTopRowFirst)
{
    const struct {
        int id;
        int x, y;
        COLORREF colour;
    } rows[] = {
        {kStrip24, 0, 0, RGB(255, 0, 255)},  {kStrip24, 1, 0, RGB(255, 0, 0)},
        {kStrip24, 8, 0, RGB(255, 0, 255)},  {kStrip24, 9, 5, RGB(0, 255, 0)},
        {kStrip24, 31, 5, RGB(255, 255, 0)}, {kStrip8, 0, 0, RGB(70, 80, 90)},
        {kStrip8, 0, 3, RGB(10, 20, 30)},    {kStrip8, 7, 1, RGB(40, 50, 60)},
        {kStrip8, 14, 3, RGB(70, 80, 90)},   {kStrip4, 0, 0, RGB(0, 0, 0)},
        {kStrip4, 5, 0, RGB(80, 0, 0)},      {kStrip4, 5, 1, RGB(96, 0, 0)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.id << " at " << row.x << "," << row.y);
        const HBITMAP handle = LoadBitmapA(program(), MAKEINTRESOURCEA(row.id));
        const auto bitmap = vks::detail::bitmapOf(handle);
        ASSERT_TRUE(bitmap.has_value());
        EXPECT_EQ(row.colour, bitmap->at(row.x, row.y));
        DeleteObject(handle);
    }
}

}  // namespace
