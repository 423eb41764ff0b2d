// A memory DC over a 32-bit DIB section, white to begin with, for tests that draw and read the
// pixels back.
#pragma once

#include <string>

#include "windows.h"

namespace vkstest {

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
    }
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

    // The pixels of a row as characters: '.' for white, '#' for black, '?' for anything else,
    // or the letter `key` gives a colour.
    template <typename Key>
    std::string row(int y, int from, int to, Key key) const
    {
        std::string out;
        for (int x = from; x < to; ++x)
            out += key(at(x, y));
        return out;
    }
    std::string row(int y, int from, int to) const
    {
        return row(y, from, to, [](COLORREF c) {
            return c == RGB(255, 255, 255) ? '.' : c == RGB(0, 0, 0) ? '#' : '?';
        });
    }
    // Whether any pixel of the rectangle has the colour.
    bool has(const RECT &r, COLORREF colour) const
    {
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                if (at(x, y) == colour)
                    return true;
        return false;
    }
    int count(const RECT &r, COLORREF colour) const
    {
        int n = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                n += at(x, y) == colour;
        return n;
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void *bits_ = nullptr;
};

}  // namespace vkstest
