// Lines, shapes and blocks of pixels drawn into memory DCs and read back.
#include <vector>

#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "windows.h"

namespace {

using vkstest::Canvas;

TEST(Lines, LeaveOutTheEndPointAndMoveTheCurrentPosition)
{
    Canvas canvas(8, 3);
    POINT before{-1, -1};
    ASSERT_TRUE(MoveToEx(canvas.dc(), 1, 1, &before));
    EXPECT_EQ(0, before.x);
    ASSERT_TRUE(LineTo(canvas.dc(), 6, 1));
    EXPECT_EQ("........", canvas.row(0, 0, 8));
    EXPECT_EQ(".#####..", canvas.row(1, 0, 8));
    POINT now{};
    MoveToEx(canvas.dc(), 0, 0, &now);
    EXPECT_EQ(6, now.x);
    EXPECT_EQ(1, now.y);
}

TEST(Lines, DiagonalsStepOnePixelAtATime)
{
    Canvas canvas(5, 5);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 4, 4);
    const char *expected[] = {"#....", ".#...", "..#..", "...#.", "....."};
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(expected[y], canvas.row(y, 0, 5)) << "row " << y;
}

TEST(Rectangles, OutlineWithThePenAndFillWithTheBrushRightAndBottomExcluded)
{
    const struct {
        const char *name;
        int pen;
        int brush;
        const char *rows[5];
    } rows[] = {
        {"black pen, gray brush", BLACK_PEN, GRAY_BRUSH, {"####.", "#??#.", "#??#.", "####.", "....."}},
        {"null pen: one pixel smaller", NULL_PEN, BLACK_BRUSH, {"###..", "###..", "###..", ".....", "....."}},
        {"null brush: the frame alone", BLACK_PEN, NULL_BRUSH, {"####.", "#..#.", "#..#.", "####.", "....."}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(5, 5);
        SelectObject(canvas.dc(), GetStockObject(row.pen));
        SelectObject(canvas.dc(), GetStockObject(row.brush));
        ASSERT_TRUE(Rectangle(canvas.dc(), 0, 0, 4, 4));
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(row.rows[y], canvas.row(y, 0, 5)) << "row " << y;
    }
}

TEST(Shapes, PolygonsAndEllipsesFillInsideTheirOutline)
{
    Canvas canvas(20, 20);
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    const POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    ASSERT_TRUE(Polygon(canvas.dc(), triangle, 3));
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(1, 1));
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(8, 8));
    ASSERT_TRUE(Ellipse(canvas.dc(), 10, 10, 20, 20));
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(15, 15));
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(10, 10));
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(19, 19));

    const HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(canvas.dc(), red);
    const POINT zigzag[] = {{0, 15}, {5, 15}, {5, 19}};
    ASSERT_TRUE(Polyline(canvas.dc(), zigzag, 3));
    EXPECT_EQ(RGB(255, 0, 0), canvas.at(0, 15));
    EXPECT_EQ(RGB(255, 0, 0), canvas.at(5, 17));
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(5, 19));
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(red);
}

TEST(Blits, CarryOutTheRasterOperations)
{
    const struct {
        const char *name;
        DWORD rop;
        COLORREF destination, source, result;
    } rows[] = {
        {"copy", SRCCOPY, RGB(10, 20, 30), RGB(1, 2, 3), RGB(1, 2, 3)},
        {"and", SRCAND, RGB(0xF0, 0x0F, 0xFF), RGB(0x3C, 0x3C, 0x00), RGB(0x30, 0x0C, 0x00)},
        {"or", SRCPAINT, RGB(0xF0, 0x0F, 0x00), RGB(0x0F, 0x00, 0x01), RGB(0xFF, 0x0F, 0x01)},
        {"xor", SRCINVERT, RGB(0xFF, 0x00, 0x55), RGB(0x0F, 0x0F, 0xFF), RGB(0xF0, 0x0F, 0xAA)},
        {"inverted source", NOTSRCCOPY, RGB(0, 0, 0), RGB(0x00, 0xFF, 0x0F), RGB(0xFF, 0x00, 0xF0)},
        {"destination inverted", DSTINVERT, RGB(0x00, 0xFF, 0x0F), RGB(0, 0, 0), RGB(0xFF, 0x00, 0xF0)},
        {"black", BLACKNESS, RGB(9, 9, 9), RGB(1, 1, 1), RGB(0, 0, 0)},
        {"white", WHITENESS, RGB(9, 9, 9), RGB(1, 1, 1), RGB(255, 255, 255)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Canvas source(2, 2), destination(2, 2);
        SetPixel(source.dc(), 0, 0, row.source);
        SetPixel(destination.dc(), 0, 0, row.destination);
        ASSERT_TRUE(BitBlt(destination.dc(), 0, 0, 1, 1, source.dc(), 0, 0, row.rop));
        EXPECT_EQ(row.result, destination.at(0, 0));
        EXPECT_EQ(RGB(255, 255, 255), destination.at(1, 1));
    }
}

TEST(Blits, PatternsComeFromTheSelectedBrush)
{
    Canvas canvas(4, 1);
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(canvas.dc(), blue);
    ASSERT_TRUE(PatBlt(canvas.dc(), 1, 0, 2, 1, PATCOPY));
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), canvas.at(1, 0));
    EXPECT_EQ(RGB(0, 0, 255), canvas.at(2, 0));
    ASSERT_TRUE(PatBlt(canvas.dc(), 2, 0, 1, 1, PATINVERT));
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(2, 0));
    // A raster operation that reads a source has none in PatBlt.
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 1, 1, SRCCOPY));
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(blue);
}

TEST(Blits, StretchTakesTheNearestPixelAndMirrorsOnANegativeSize)
{
    Canvas source(2, 1), destination(4, 2);
    SetPixel(source.dc(), 0, 0, RGB(0, 0, 0));
    ASSERT_TRUE(StretchBlt(destination.dc(), 0, 0, 4, 2, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ("##..", destination.row(0, 0, 4));
    EXPECT_EQ("##..", destination.row(1, 0, 4));
    ASSERT_TRUE(StretchBlt(destination.dc(), 3, 0, -4, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ("..##", destination.row(0, 0, 4));
}

TEST(Blits, MonochromeTakesTheTextAndBackgroundColours)
{
    // A bitmap compatible with a fresh memory DC is monochrome, as on Windows.
    const HDC mono = CreateCompatibleDC(nullptr);
    const HBITMAP bits = CreateCompatibleBitmap(mono, 2, 1);
    BITMAP record{};
    ASSERT_EQ(static_cast<int>(sizeof record), GetObjectA(bits, sizeof record, &record));
    EXPECT_EQ(1, record.bmBitsPixel);
    SelectObject(mono, bits);
    PatBlt(mono, 0, 0, 2, 1, WHITENESS);
    SetPixel(mono, 0, 0, RGB(10, 10, 10));  // the nearer of black and white
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(mono, 0, 0));

    Canvas colour(2, 1);
    SetTextColor(colour.dc(), RGB(255, 0, 0));
    SetBkColor(colour.dc(), RGB(0, 0, 255));
    ASSERT_TRUE(BitBlt(colour.dc(), 0, 0, 2, 1, mono, 0, 0, SRCCOPY));
    EXPECT_EQ(RGB(255, 0, 0), colour.at(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), colour.at(1, 0));

    // Into monochrome: the source's background colour becomes white, the rest black.
    SetBkColor(colour.dc(), RGB(255, 0, 0));
    ASSERT_TRUE(BitBlt(mono, 0, 0, 2, 1, colour.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(mono, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(mono, 1, 0));
    DeleteDC(mono);
    DeleteObject(bits);
}

TEST(Bitmaps, DibitsComeBackBottomUpOrTopDownAsAsked)
{
    Canvas canvas(3, 2);
    SetPixel(canvas.dc(), 0, 0, RGB(1, 2, 3));
    SetPixel(canvas.dc(), 2, 1, RGB(4, 5, 6));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    ASSERT_NE(0, GetDIBits(canvas.dc(), canvas.bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS));
    EXPECT_EQ(3, info.bmiHeader.biWidth);
    EXPECT_EQ(2, info.bmiHeader.biHeight);
    EXPECT_EQ(32, info.bmiHeader.biBitCount);

    // 24 bits, rows from the bottom, each padded to four bytes.
    info.bmiHeader.biBitCount = 24;
    std::vector<unsigned char> bytes(2 * 12, 0xEE);
    ASSERT_EQ(2, GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, bytes.data(), &info, DIB_RGB_COLORS));
    EXPECT_EQ(6, bytes[6]);   // bottom row first: (2, 1) is blue 6
    EXPECT_EQ(4, bytes[8]);
    EXPECT_EQ(3, bytes[12]);  // then the top row: (0, 0)
    EXPECT_EQ(1, bytes[14]);
    EXPECT_EQ(0, bytes[21]);  // padding

    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biHeight = -2;
    std::vector<unsigned char> top(2 * 12);
    ASSERT_EQ(1, GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, top.data(), &info, DIB_RGB_COLORS));
    EXPECT_EQ(3, top[0]);
    EXPECT_EQ(1, top[2]);
}

TEST(DeviceContexts, SaveAndRestoreTheirAttributes)
{
    Canvas canvas(4, 4);
    const HDC dc = canvas.dc();
    SetTextColor(dc, RGB(1, 1, 1));
    EXPECT_EQ(1, SaveDC(dc));
    SetTextColor(dc, RGB(2, 2, 2));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(2, SaveDC(dc));
    SetTextColor(dc, RGB(3, 3, 3));
    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(RGB(2, 2, 2), GetTextColor(dc));
    ASSERT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(RGB(1, 1, 1), GetTextColor(dc));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_FALSE(RestoreDC(dc, 1));
    // The bitmap comes back with the rest.
    EXPECT_EQ(canvas.bitmap(), GetCurrentObject(dc, OBJ_BITMAP));
}

TEST(DeviceContexts, OriginsMoveAndClippingLimitsTheDrawing)
{
    Canvas canvas(6, 6);
    const HDC dc = canvas.dc();
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, 2, 2, nullptr);
    EXPECT_EQ(SIMPLEREGION, IntersectClipRect(dc, 0, 0, 2, 2));
    RECT box{};
    EXPECT_EQ(SIMPLEREGION, GetClipBox(dc, &box));
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(2, box.right);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, -2, -2, 10, 10, PATCOPY);
    EXPECT_EQ(CLR_INVALID, GetPixel(dc, 3, 3));  // outside the clip
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 0, 0));
    RestoreDC(dc, saved);
    EXPECT_EQ("......", canvas.row(1, 0, 6));
    EXPECT_EQ("..##..", canvas.row(2, 0, 6));
    EXPECT_EQ("..##..", canvas.row(3, 0, 6));
    EXPECT_EQ("......", canvas.row(4, 0, 6));
}

TEST(BadInput, FailsAsWindowsFailsWithoutCrashing)
{
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HDC dc = CreateCompatibleDC(nullptr);

    // A handle of another kind where a bitmap belongs.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, GetDIBits(dc, reinterpret_cast<HBITMAP>(brush), 0, 1, nullptr, &info, DIB_RGB_COLORS));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());

    // A deleted object cannot be selected, read or deleted again.
    ASSERT_TRUE(DeleteObject(brush));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, SelectObject(dc, brush));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_FALSE(DeleteObject(brush));
    LOGBRUSH record{};
    EXPECT_EQ(0, GetObjectA(brush, sizeof record, &record));

    // A deleted DC fails every call.
    ASSERT_TRUE(DeleteDC(dc));
    const struct {
        const char *name;
        bool failed;
    } calls[] = {
        {"GetPixel", GetPixel(dc, 0, 0) == CLR_INVALID},
        {"SetTextColor", SetTextColor(dc, 0) == CLR_INVALID},
        {"SelectObject", SelectObject(dc, GetStockObject(BLACK_PEN)) == nullptr},
        {"Rectangle", !Rectangle(dc, 0, 0, 1, 1)},
        {"TextOutA", !TextOutA(dc, 0, 0, "x", 1)},
        {"PatBlt", !PatBlt(dc, 0, 0, 1, 1, BLACKNESS)},
        {"SaveDC", SaveDC(dc) == 0},
        {"DeleteDC", !DeleteDC(dc)},
    };
    for (const auto &call : calls) {
        SCOPED_TRACE(call.name);
        EXPECT_TRUE(call.failed);
    }
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(LineTo(dc, 1, 1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());

    // A bitmap lives in one DC at a time, and stays while it is selected.
    Canvas canvas(2, 2);
    const HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(nullptr, SelectObject(other, canvas.bitmap()));
    EXPECT_FALSE(DeleteObject(canvas.bitmap()));
    DeleteDC(other);
}

}  // namespace
