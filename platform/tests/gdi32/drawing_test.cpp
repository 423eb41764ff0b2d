// Drawing on windows: device contexts, brushes, system colours and the display list that
// records what was drawn.
#include <vector>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

using vkstest::ScopedWindowClass;
using vkstest::WindowTest;

std::vector<VksDrawnItem> drawnItems(HWND hwnd)
{
    std::vector<VksDrawnItem> items(VksHostDrawnItems(hwnd, nullptr, 0));
    items.resize(VksHostDrawnItems(hwnd, items.data(), static_cast<UINT>(items.size())));
    return items;
}

bool sameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class DrawingTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = windowClass.create("canvas", WS_POPUP | WS_VISIBLE);
        ASSERT_NE(nullptr, window);
        UpdateWindow(window);
    }
    void TearDown() override
    {
        DestroyWindow(window);
        WindowTest::TearDown();
    }

    ScopedWindowClass windowClass{DefWindowProcA};
    HWND window = nullptr;
};

TEST(SystemColours, AreTheClassicSchemeAndRefuseOtherIndexes)
{
    const struct {
        int index;
        COLORREF colour;
    } rows[] = {
        {COLOR_WINDOW, RGB(255, 255, 255)},   {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_BTNFACE, RGB(212, 208, 200)},  {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_HIGHLIGHT, RGB(10, 36, 106)},  {COLOR_INFOBK, RGB(255, 255, 225)},
        {COLOR_3DDKSHADOW, RGB(64, 64, 64)},  {COLOR_MENUBAR, RGB(212, 208, 200)},
        {-1, 0},                              {COLOR_MENUBAR + 1, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(row.colour, GetSysColor(row.index));
    }
}

TEST(SystemColours, BrushesAreSharedAndOutliveDeleteObject)
{
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(nullptr, face);
    EXPECT_EQ(face, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_TRUE(DeleteObject(face));
    LOGBRUSH brush{};
    ASSERT_EQ(static_cast<int>(sizeof brush), GetObjectA(face, sizeof brush, &brush));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), brush.lbColor);
    EXPECT_EQ(nullptr, GetSysColorBrush(COLOR_MENUBAR + 1));
}

TEST(Brushes, KeepTheirColourUntilDeleted)
{
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_NE(nullptr, brush);
    LOGBRUSH record{};
    EXPECT_EQ(static_cast<int>(sizeof record), GetObjectA(brush, 0, nullptr));
    EXPECT_EQ(0, GetObjectA(brush, sizeof record - 1, &record));
    ASSERT_EQ(static_cast<int>(sizeof record), GetObjectA(brush, sizeof record, &record));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), record.lbStyle);
    EXPECT_EQ(RGB(1, 2, 3), record.lbColor);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, GetObjectA(brush, sizeof record, &record));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(DrawingTest, FillsAreRecordedInOrderInClientCoordinates)
{
    const HDC dc = GetDC(window);
    ASSERT_NE(nullptr, dc);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT first{1, 2, 30, 40}, second{5, 5, 6, 6}, empty{10, 10, 10, 20};
    EXPECT_TRUE(FillRect(dc, &first, red));
    EXPECT_TRUE(FillRect(dc, &second, GetSysColorBrush(COLOR_HIGHLIGHT)));
    // A system colour index plus one stands for its brush, as class backgrounds use it.
    EXPECT_TRUE(FillRect(dc, &second, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)));
    EXPECT_TRUE(FillRect(dc, &empty, red));
    EXPECT_EQ(1, ReleaseDC(window, dc));
    DeleteObject(red);

    const std::vector<VksDrawnItem> items = drawnItems(window);
    ASSERT_EQ(3u, items.size());
    const struct {
        RECT rect;
        COLORREF colour;
    } expected[] = {
        {first, RGB(255, 0, 0)}, {second, RGB(10, 36, 106)}, {second, RGB(255, 255, 255)}};
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(static_cast<UINT>(VKS_DRAWN_FILL), items[i].kind);
        EXPECT_TRUE(sameRect(expected[i].rect, items[i].rect));
        EXPECT_EQ(expected[i].colour, items[i].color);
    }
}

TEST_F(DrawingTest, PaintingTheWholeWindowAnewStartsTheListAgain)
{
    const HDC dc = GetDC(window);
    const RECT r{0, 0, 10, 10};
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(window, dc);

    // A part repainted keeps what the rest shows.
    const RECT part{0, 0, 5, 5};
    InvalidateRect(window, &part, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(1u, drawnItems(window).size());

    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(0u, drawnItems(window).size());
}

TEST_F(DrawingTest, ContextsFailOnceReleasedOrForNoWindow)
{
    const HDC dc = GetDC(window);
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(1, ReleaseDC(window, dc));
    EXPECT_EQ(0, ReleaseDC(window, dc));
    const RECT r{0, 0, 1, 1};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_EQ(0u, drawnItems(window).size());

    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetDC(reinterpret_cast<HWND>(0x1234)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    EXPECT_EQ(0u, VksHostDrawnItems(reinterpret_cast<HWND>(0x1234), nullptr, 0));
}

TEST_F(DrawingTest, HostCopiesNoMoreItemsThanItsBufferHolds)
{
    const HDC dc = GetDC(window);
    const RECT r{0, 0, 4, 4};
    for (int i = 0; i < 3; ++i)
        FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(window, dc);
    VksDrawnItem items[3] = {};
    items[2].kind = 0xdead;
    EXPECT_EQ(3u, VksHostDrawnItems(window, items, 2));
    EXPECT_EQ(static_cast<UINT>(VKS_DRAWN_FILL), items[1].kind);
    EXPECT_EQ(0xdeadu, items[2].kind);
}

TEST_F(DrawingTest, AChildDrawsAtItsPlaceInItsTopLevelWindowAndNoFurther)
{
    MoveWindow(window, 0, 0, 40, 30, FALSE);
    const HWND child = CreateWindowExA(0, windowClass.name(), "", WS_CHILD | WS_VISIBLE, 10, 5, 8, 6,
                                       window, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, child);
    const HDC childDc = GetDC(child);
    ASSERT_NE(nullptr, childDc);
    const RECT everything{-50, -50, 100, 100};
    EXPECT_TRUE(FillRect(childDc, &everything, GetSysColorBrush(COLOR_HIGHLIGHT)));
    EXPECT_EQ(RGB(10, 36, 106), GetPixel(childDc, 0, 0));
    EXPECT_EQ(CLR_INVALID, GetPixel(childDc, 8, 0));  // outside the child
    ReleaseDC(child, childDc);

    const HDC parentDc = GetWindowDC(window);
    EXPECT_EQ(RGB(10, 36, 106), GetPixel(parentDc, 10, 5));
    EXPECT_EQ(RGB(10, 36, 106), GetPixel(parentDc, 17, 10));
    EXPECT_NE(RGB(10, 36, 106), GetPixel(parentDc, 18, 10));
    EXPECT_NE(RGB(10, 36, 106), GetPixel(parentDc, 9, 5));
    ReleaseDC(window, parentDc);
    DestroyWindow(child);
}

TEST_F(DrawingTest, ADcOfADestroyedWindowFailsEveryCall)
{
    const HWND gone = windowClass.create("gone", WS_POPUP | WS_VISIBLE);
    const HDC dc = GetDC(gone);
    ASSERT_NE(nullptr, dc);
    ASSERT_TRUE(DestroyWindow(gone));
    const RECT r{0, 0, 2, 2};
    SetLastError(0xdeadbeef);
    EXPECT_EQ(CLR_INVALID, GetPixel(dc, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_FALSE(TextOutA(dc, 0, 0, "x", 1));
    EXPECT_EQ(0, DrawTextA(dc, "x", -1, const_cast<RECT *>(&r), 0));
    EXPECT_EQ(0, GetObjectType(dc));
    EXPECT_EQ(0, ReleaseDC(gone, dc));
}

}  // namespace
