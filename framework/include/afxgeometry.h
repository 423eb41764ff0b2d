// afxgeometry.h: CPoint, CSize and CRect, the framework's forms of POINT, SIZE and RECT.
//
// Each derives from its Win32 structure and adds no data, so an object passes wherever the
// structure is expected (a CRect converts to LPRECT / LPCRECT). The arithmetic is plain LONG
// arithmetic, for coordinates within screen range.
#pragma once

#include "afxdefs.h"

class CSize;
class CRect;

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    CPoint(POINT initPt) : POINT(initPt) {}
    explicit CPoint(SIZE initSize) : POINT{initSize.cx, initSize.cy} {}

    void Offset(int xOffset, int yOffset)
    {
        x += xOffset;
        y += yOffset;
    }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }

    bool operator==(POINT point) const { return x == point.x && y == point.y; }
    bool operator!=(POINT point) const { return !(*this == point); }
    CPoint &operator+=(SIZE size)
    {
        Offset(size);
        return *this;
    }
    CPoint &operator-=(SIZE size)
    {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    // The distance from point to this one.
    inline CSize operator-(POINT point) const;
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
    CSize(SIZE initSize) : SIZE(initSize) {}
    explicit CSize(POINT initPt) : SIZE{initPt.x, initPt.y} {}

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    CSize &operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
        return *this;
    }
    CSize &operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
        return *this;
    }
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CPoint operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
};

inline CSize CPoint::operator-(POINT point) const
{
    return CSize(x - point.x, y - point.y);
}

// Rectangles are half-open: the right and bottom edges lie outside, as in Win32.
class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT &srcRect) : RECT(srcRect) {}
    CRect(LPCRECT lpSrcRect) : RECT(*lpSrcRect) {}
    CRect(POINT point, SIZE size) : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy}
    {
    }
    CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}
    {
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    // Copies, not references into the rectangle: move a corner with SetRect or OffsetRect.
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    // The halves round toward zero, as integer division does.
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (a width or height of zero or less).
    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    // Null: all four edges zero.
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    BOOL EqualRect(LPCRECT lpRect) const { return *this == *lpRect; }

    void SetRect(int x1, int y1, int x2, int y2) { *this = CRect(x1, y1, x2, y2); }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT lpSrcRect) { *this = CRect(lpSrcRect); }
    // Swaps edges so that left <= right and top <= bottom.
    inline void NormalizeRect();

    inline void OffsetRect(int x, int y);
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    // Moves every edge outward by the amounts (inward for negative ones).
    void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    inline void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    bool operator==(const RECT &rect) const
    {
        return left == rect.left && top == rect.top && right == rect.right &&
               bottom == rect.bottom;
    }
    bool operator!=(const RECT &rect) const { return !(*this == rect); }
    CRect &operator+=(POINT point)
    {
        OffsetRect(point);
        return *this;
    }
    CRect &operator+=(SIZE size)
    {
        OffsetRect(size);
        return *this;
    }
    CRect &operator-=(POINT point)
    {
        OffsetRect(-point.x, -point.y);
        return *this;
    }
    CRect &operator-=(SIZE size)
    {
        OffsetRect(-size.cx, -size.cy);
        return *this;
    }
    CRect operator+(POINT point) const
    {
        CRect moved(*this);
        return moved += point;
    }
    CRect operator+(SIZE size) const
    {
        CRect moved(*this);
        return moved += size;
    }
    CRect operator-(POINT point) const
    {
        CRect moved(*this);
        return moved -= point;
    }
    CRect operator-(SIZE size) const
    {
        CRect moved(*this);
        return moved -= size;
    }
};

inline void CRect::OffsetRect(int x, int y)
{
    left += x;
    right += x;
    top += y;
    bottom += y;
}

inline void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

inline void CRect::NormalizeRect()
{
    if (left > right) {
        const LONG edge = left;
        left = right;
        right = edge;
    }
    if (top > bottom) {
        const LONG edge = top;
        top = bottom;
        bottom = edge;
    }
}
