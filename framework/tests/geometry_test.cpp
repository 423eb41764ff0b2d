// CPoint, CSize and CRect.
#include <gtest/gtest.h>

#include "afxgeometry.h"

namespace {

TEST(Geometry, RectMeasuresAndTests)
{
    struct Case {
        const char *name;
        CRect rect;
        int width, height;
        CPoint center;
        BOOL empty;
        BOOL containsTopLeft;
    } const kCases[] = {
        {"ordinary", CRect(10, 20, 40, 60), 30, 40, CPoint(25, 40), FALSE, TRUE},
        {"odd size halves toward zero", CRect(-3, -3, 0, 0), 3, 3, CPoint(-1, -1), FALSE, TRUE},
        {"no width", CRect(5, 5, 5, 9), 0, 4, CPoint(5, 7), TRUE, FALSE},
        {"inverted", CRect(9, 9, 1, 1), -8, -8, CPoint(5, 5), TRUE, FALSE},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.width, c.rect.Width());
        EXPECT_EQ(c.height, c.rect.Height());
        EXPECT_EQ(CSize(c.width, c.height), c.rect.Size());
        EXPECT_EQ(c.center, c.rect.CenterPoint());
        EXPECT_EQ(c.empty, c.rect.IsRectEmpty());
        EXPECT_EQ(c.containsTopLeft, c.rect.PtInRect(c.rect.TopLeft()));
        EXPECT_FALSE(c.rect.PtInRect(c.rect.BottomRight())) << "right and bottom lie outside";
    }
}

TEST(Geometry, RectMovesAndGrows)
{
    struct Case {
        const char *name;
        CRect result;
        CRect expected;
    } const kCases[] = {
        {"offset", [] { CRect r(1, 2, 3, 4); r.OffsetRect(10, -2); return r; }(),
         CRect(11, 0, 13, 2)},
        {"offset by a size", [] { CRect r(1, 2, 3, 4); r.OffsetRect(CSize(1, 1)); return r; }(),
         CRect(2, 3, 4, 5)},
        {"inflate", [] { CRect r(10, 10, 20, 20); r.InflateRect(2, 3); return r; }(),
         CRect(8, 7, 22, 23)},
        {"inflate each side", [] { CRect r(10, 10, 20, 20); r.InflateRect(1, 2, 3, 4); return r; }(),
         CRect(9, 8, 23, 24)},
        {"deflate", [] { CRect r(10, 10, 20, 20); r.DeflateRect(CSize(2, 2)); return r; }(),
         CRect(12, 12, 18, 18)},
        {"normalize", [] { CRect r(9, 8, 1, 2); r.NormalizeRect(); return r; }(),
         CRect(1, 2, 9, 8)},
        {"plus a point", CRect(0, 0, 5, 5) + CPoint(3, 4), CRect(3, 4, 8, 9)},
        {"minus a size", CRect(0, 0, 5, 5) - CSize(1, 1), CRect(-1, -1, 4, 4)},
        {"from a point and a size", CRect(CPoint(2, 3), CSize(4, 5)), CRect(2, 3, 6, 8)},
        {"from two corners", CRect(CPoint(2, 3), CPoint(4, 5)), CRect(2, 3, 4, 5)},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, c.result);
    }
}

TEST(Geometry, RectComparesAndPassesAsARect)
{
    const RECT plain{1, 2, 3, 4};
    CRect rect(plain);
    EXPECT_TRUE(rect == plain);
    EXPECT_FALSE(rect != plain);
    EXPECT_TRUE(rect != CRect(1, 2, 3, 5));
    EXPECT_TRUE(rect.EqualRect(&plain));
    LPRECT writable = rect;
    writable->right = 30;
    const CRect &constant = rect;
    LPCRECT readable = constant;
    EXPECT_EQ(30, readable->right);
    rect.SetRectEmpty();
    EXPECT_TRUE(rect.IsRectNull());
    EXPECT_TRUE(rect.IsRectEmpty());
}

TEST(Geometry, PointAndSizeArithmetic)
{
    CPoint point(3, 4);
    point.Offset(1, 1);
    EXPECT_EQ(CPoint(4, 5), point);
    point += CSize(10, 20);
    EXPECT_EQ(CPoint(14, 25), point);
    EXPECT_EQ(CSize(4, 5), point - CPoint(10, 20)) << "a point less a point is a size";
    EXPECT_EQ(CPoint(-14, -25), -point);
    EXPECT_EQ(CPoint(13, 24), point - CSize(1, 1));
    EXPECT_TRUE(CPoint(1, 2) != CPoint(2, 1));

    CSize size(2, 3);
    size += CSize(1, 1);
    EXPECT_EQ(CSize(3, 4), size);
    EXPECT_EQ(CSize(-3, -4), -size);
    EXPECT_EQ(CPoint(4, 6), size + CPoint(1, 2));
    EXPECT_EQ(CSize(1, 1), size - CSize(2, 3));
}

}  // namespace
