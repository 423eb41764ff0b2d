// GrayStringA and DrawStateA: text and images drawn grayed, embossed or in one colour, through a
// one-bit mask of what they cover, as Windows draws them.
#include <cstring>
#include <string_view>

#include "user32/ui_paint.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// The raster operation that paints the pattern where the source is black and leaves the
// destination where it is white.
constexpr DWORD kPaintWhereBlack = 0x00B8074A;

// A monochrome memory DC of the size, white, with the font of `like` selected and black
// transparent text.
class Mask {
public:
    Mask(HDC like, int width, int height)
        : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(dc_, width, height)),
          width_(width), height_(height)
    {
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
        SelectObject(dc_, GetCurrentObject(like, OBJ_FONT));
        SetTextColor(dc_, RGB(0, 0, 0));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~Mask()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Mask(const Mask &) = delete;
    Mask &operator=(const Mask &) = delete;

    HDC dc() const { return dc_; }

    // Every other pixel of the mask cleared, for the dithered gray of disabled text.
    void dither()
    {
        for (int y = 0; y < height_; ++y)
            for (int x = (y + 1) % 2; x < width_; x += 2)
                SetPixel(dc_, x, y, RGB(255, 255, 255));
    }

    // Paints the colour onto `target` at x, y wherever the mask is black.
    void paint(HDC target, int x, int y, COLORREF colour) const
    {
        SavedDc saved(target);
        const HBRUSH brush = CreateSolidBrush(colour);
        SelectObject(target, brush);
        SetTextColor(target, RGB(0, 0, 0));
        SetBkColor(target, RGB(255, 255, 255));
        BitBlt(target, x, y, width_, height_, dc_, 0, 0, kPaintWhereBlack);
        SelectObject(target, GetStockObject(WHITE_BRUSH));
        DeleteObject(brush);
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
};

COLORREF brushColour(HBRUSH brush, int fallback)
{
    LOGBRUSH record{};
    if (brush && GetObjectA(brush, sizeof record, &record) == sizeof record)
        return record.lbColor;
    return GetSysColor(fallback);
}

std::string_view textOf(LPARAM data, WPARAM length)
{
    const char *text = reinterpret_cast<const char *>(data);
    if (!text)
        return {};
    return length ? std::string_view(text, length) : std::string_view(text);
}

SIZE textSize(HDC dc, std::string_view text, bool prefixes)
{
    if (prefixes) {
        RECT r{0, 0, 0, 0};
        DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
        return {r.right, r.bottom};
    }
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

// Draws the image of a DrawStateA request into the mask; false when the callback refused.
bool drawImage(const Mask &mask, HDC like, DRAWSTATEPROC callback, LPARAM data, WPARAM length,
               int cx, int cy, UINT flags)
{
    switch (flags & 0x0F) {
    case DST_TEXT:
        TextOutA(mask.dc(), 0, 0, textOf(data, length).data(), static_cast<int>(textOf(data, length).size()));
        return true;
    case DST_PREFIXTEXT: {
        RECT r{0, 0, cx, cy};
        UINT format = DT_SINGLELINE | DT_NOCLIP;
        if (flags & DSS_HIDEPREFIX)
            format |= DT_HIDEPREFIX;
        if (flags & DSS_PREFIXONLY)
            format |= DT_PREFIXONLY;
        std::string_view text = textOf(data, length);
        DrawTextA(mask.dc(), text.data(), static_cast<int>(text.size()), &r, format);
        return true;
    }
    case DST_BITMAP: {
        const HDC source = CreateCompatibleDC(like);
        const HGDIOBJ previous = SelectObject(source, reinterpret_cast<HGDIOBJ>(data));
        const bool drawn = previous && BitBlt(mask.dc(), 0, 0, cx, cy, source, 0, 0, SRCCOPY);
        if (previous)
            SelectObject(source, previous);
        DeleteDC(source);
        return drawn;
    }
    case DST_ICON:
        return DrawIconEx(mask.dc(), 0, 0, reinterpret_cast<HICON>(data), cx, cy, 0, nullptr, DI_MASK);
    case DST_COMPLEX:
        return callback && callback(mask.dc(), data, length, cx, cy);
    default:
        return false;
    }
}

SIZE imageSize(HDC dc, LPARAM data, WPARAM length, UINT flags)
{
    switch (flags & 0x0F) {
    case DST_TEXT:
        return textSize(dc, textOf(data, length), false);
    case DST_PREFIXTEXT:
        return textSize(dc, textOf(data, length), true);
    case DST_ICON:
        return {32, 32};
    case DST_BITMAP: {
        BITMAP bitmap{};
        if (GetObjectA(reinterpret_cast<HANDLE>(data), sizeof bitmap, &bitmap) == sizeof bitmap)
            return {bitmap.bmWidth, bitmap.bmHeight};
        return {};
    }
    default:
        return {};
    }
}

}  // namespace

BOOL WINAPI GrayStringA(HDC hDC, HBRUSH hBrush, GRAYSTRINGPROC lpOutputFunc, LPARAM lpData,
                        int nCount, int X, int Y, int nWidth, int nHeight)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (GetObjectType(hDC) == 0) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        const std::string_view text =
            lpOutputFunc ? std::string_view() : textOf(lpData, static_cast<WPARAM>(nCount > 0 ? nCount : 0));
        if (nWidth == 0 || nHeight == 0) {
            if (lpOutputFunc)
                return FALSE;
            const SIZE size = textSize(hDC, text, false);
            nWidth = nWidth ? nWidth : size.cx;
            nHeight = nHeight ? nHeight : size.cy;
        }
        if (nWidth <= 0 || nHeight <= 0)
            return TRUE;
        Mask mask(hDC, nWidth, nHeight);
        if (lpOutputFunc) {
            if (!lpOutputFunc(mask.dc(), lpData, nCount))
                return FALSE;
        } else {
            TextOutA(mask.dc(), 0, 0, text.data(), static_cast<int>(text.size()));
        }
        mask.dither();
        mask.paint(hDC, X, Y, brushColour(hBrush, COLOR_WINDOWTEXT));
        return TRUE;
    });
}

BOOL WINAPI DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData,
                       WPARAM wData, int x, int y, int cx, int cy, UINT uFlags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (GetObjectType(hdc) == 0) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        if (cx == 0 || cy == 0) {
            const SIZE size = imageSize(hdc, lData, wData, uFlags);
            cx = cx ? cx : size.cx;
            cy = cy ? cy : size.cy;
        }
        if (cx <= 0 || cy <= 0)
            return (uFlags & 0x0F) == DST_COMPLEX ? FALSE : TRUE;
        // A normal icon is drawn as it is, in its colours.
        if ((uFlags & 0x0F) == DST_ICON && !(uFlags & (DSS_DISABLED | DSS_UNION | DSS_MONO)))
            return DrawIconEx(hdc, x, y, reinterpret_cast<HICON>(lData), cx, cy, 0, nullptr, DI_NORMAL);
        Mask mask(hdc, cx, cy);
        if (!drawImage(mask, hdc, qfnCallBack, lData, wData, cx, cy, uFlags))
            return FALSE;
        if (uFlags & DSS_DISABLED) {
            mask.paint(hdc, x + 1, y + 1, GetSysColor(COLOR_3DHILIGHT));
            mask.paint(hdc, x, y, GetSysColor(COLOR_3DSHADOW));
        } else if (uFlags & DSS_UNION) {
            mask.dither();
            mask.paint(hdc, x, y, brushColour(hbrFore, COLOR_WINDOWTEXT));
        } else if (uFlags & DSS_MONO) {
            mask.paint(hdc, x, y, brushColour(hbrFore, COLOR_WINDOWTEXT));
        } else {
            mask.paint(hdc, x, y, GetTextColor(hdc));
        }
        return TRUE;
    });
}
