// Bitmaps and blocks of pixels: CreateCompatibleBitmap, CreateDIBSection, GetDIBits, GetPixel,
// SetPixel, PatBlt, BitBlt and StretchBlt.
#include <algorithm>
#include <cstring>
#include <vector>

#include "gdi32/raster.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// Far beyond any window; keeps a wrong size from asking for gigabytes.
constexpr int kMaxSide = 16384;
constexpr std::uint32_t kWhite = 0xFFFFFF;

RECT normalised(int x, int y, int w, int h)
{
    return {std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
}

// A stretched blit's rectangle: a negative size runs back from the pixel at x (or y) itself,
// so that (width - 1, -width) mirrors a whole row onto itself.
RECT mirrorable(int x, int y, int w, int h)
{
    const int left = w < 0 ? x + w + 1 : x;
    const int top = h < 0 ? y + h + 1 : y;
    return {left, top, left + std::abs(w), top + std::abs(h)};
}

bool inside(const RECT &r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// A source DC's pixels as the destination sees them: a monochrome source takes the destination's
// text (0) and background (1) colours; a colour source written into a monochrome destination
// is white where it has the source's background colour.
struct SourceView {
    DcObject *dc = nullptr;
    DrawTarget target;
    bool toMonochrome = false;
    bool fromMonochrome = false;
    std::uint32_t zeroColour = 0;
    std::uint32_t oneColour = kWhite;
    std::uint32_t sourceBackground = kWhite;

    std::optional<std::uint32_t> at(POINT surfacePoint) const
    {
        const Surface &surface = *target.surface;
        if (surfacePoint.x < 0 || surfacePoint.y < 0 || surfacePoint.x >= surface.width() ||
            surfacePoint.y >= surface.height())
            return std::nullopt;
        const std::uint32_t pixel = surface.pixel(surfacePoint.x, surfacePoint.y);
        if (fromMonochrome && !toMonochrome)
            return pixel == kWhite ? oneColour : zeroColour;
        if (toMonochrome && !fromMonochrome)
            return pixel == sourceBackground ? kWhite : 0;
        return pixel;
    }
};

std::optional<SourceView> sourceView(HDC hdcSrc, const DcObject &destination,
                                     const Surface &destinationSurface)
{
    DcObject *source = dcOf(hdcSrc);
    if (!source)
        return std::nullopt;
    SourceView view;
    view.dc = source;
    view.target = drawTarget(*source);
    if (!view.target.surface) {
        SetLastError(ERROR_INVALID_HANDLE);
        return std::nullopt;
    }
    view.fromMonochrome = view.target.surface->monochrome();
    view.toMonochrome = destinationSurface.monochrome();
    view.zeroColour = pixelOf(destination.now.textColour);
    view.oneColour = pixelOf(destination.now.bkColour);
    view.sourceBackground = pixelOf(source->now.bkColour);
    return view;
}

// Runs a blit on the destination under the lock.
template <typename Body>
BOOL blit(HDC hdc, Body &&body)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        std::lock_guard guard(gdiLock());
        DcObject *dc = dcOf(hdc);
        if (!dc)
            return FALSE;
        const DrawTarget target = drawTarget(*dc);
        if (!target.surface)
            return TRUE;
        return body(*dc, target) ? TRUE : FALSE;
    });
}

// Sets each destination pixel of `area` (surface coordinates) from the ROP of the pattern, the
// source pixel `sourceOf` gives (none: the pixel is left) and the pixel there.
template <typename SourceOf>
void combine(const DrawTarget &target, const RECT &area, DWORD rop, std::uint32_t pattern,
             SourceOf &&sourceOf)
{
    const RECT clipped = intersection(area, target.clip);
    if (isEmpty(clipped))
        return;
    // On a monochrome surface every operand is all zeros or all ones, and so is the result.
    const auto rop3 = static_cast<std::uint8_t>(rop >> 16);
    // Read every source pixel before writing, as source and destination may overlap.
    std::vector<std::optional<std::uint32_t>> sources;
    sources.reserve(static_cast<size_t>(clipped.right - clipped.left) *
                    (clipped.bottom - clipped.top));
    for (LONG y = clipped.top; y < clipped.bottom; ++y)
        for (LONG x = clipped.left; x < clipped.right; ++x)
            sources.push_back(sourceOf(POINT{x, y}));
    size_t next = 0;
    for (LONG y = clipped.top; y < clipped.bottom; ++y) {
        std::uint32_t *row = target.surface->row(y);
        for (LONG x = clipped.left; x < clipped.right; ++x) {
            const std::optional<std::uint32_t> source = sources[next++];
            if (!source)
                continue;
            row[x] = ternaryRop(rop3, pattern, *source, row[x] & kWhite);
        }
    }
}

std::uint32_t patternOf(DcObject &dc, const Surface &surface)
{
    const BrushObject &brush = selectedBrush(dc);
    return surface.deviceColour(brush.color);
}

bool stretch(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
             int ySrc, int wSrc, int hSrc, DWORD rop)
{
    return blit(hdcDest, [&](DcObject &dc, const DrawTarget &target) -> bool {
        const std::uint32_t pattern = patternOf(dc, *target.surface);
        const RECT area = target.toSurface(hdcSrc ? mirrorable(xDest, yDest, wDest, hDest)
                                                  : normalised(xDest, yDest, wDest, hDest));
        if (!ropUsesSource(rop)) {
            combine(target, area, rop, pattern, [](POINT) { return std::optional<std::uint32_t>(0); });
            return true;
        }
        const std::optional<SourceView> source = sourceView(hdcSrc, dc, *target.surface);
        if (!source || wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0)
            return source.has_value();
        // Nearest source pixel of each destination pixel; opposite signs mirror.
        const bool mirrorX = (wDest < 0) != (wSrc < 0);
        const bool mirrorY = (hDest < 0) != (hSrc < 0);
        const int dw = std::abs(wDest), dh = std::abs(hDest), sw = std::abs(wSrc), sh = std::abs(hSrc);
        const RECT sourceArea = mirrorable(xSrc, ySrc, wSrc, hSrc);
        const POINT sourceOrigin = source->target.toSurface(POINT{sourceArea.left, sourceArea.top});
        combine(target, area, rop, pattern, [&](POINT p) -> std::optional<std::uint32_t> {
            int dx = p.x - area.left, dy = p.y - area.top;
            if (mirrorX)
                dx = dw - 1 - dx;
            if (mirrorY)
                dy = dh - 1 - dy;
            const int sx = static_cast<int>((2LL * dx + 1) * sw / (2LL * dw));
            const int sy = static_cast<int>((2LL * dy + 1) * sh / (2LL * dh));
            return source->at({sourceOrigin.x + sx, sourceOrigin.y + sy});
        });
        return true;
    });
}

bool validSize(int cx, int cy)
{
    return cx > 0 && cy > 0 && cx <= kMaxSide && cy <= kMaxSide;
}

HBITMAP addSurface(std::shared_ptr<Surface> surface)
{
    return static_cast<HBITMAP>(addGdiEntry({BitmapEntry{std::move(surface)}}));
}

void copyRow(const Surface &surface, int y, int width, WORD bits, unsigned char *out)
{
    const int count = std::min(width, surface.width());
    for (int x = 0; x < count; ++x) {
        const std::uint32_t pixel = surface.pixel(x, y);
        unsigned char *at = out + static_cast<size_t>(x) * (bits / 8);
        at[0] = static_cast<unsigned char>(pixel);
        at[1] = static_cast<unsigned char>(pixel >> 8);
        at[2] = static_cast<unsigned char>(pixel >> 16);
        if (bits == 32)
            at[3] = 0;
    }
}

}  // namespace

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    return vks::atWin32Boundary<HBITMAP>(nullptr, [&]() -> HBITMAP {
        std::lock_guard guard(gdiLock());
        WORD bits = 32;
        if (hdc) {
            DcObject *dc = dcOf(hdc);
            if (!dc)
                return nullptr;
            const Surface *surface = surfaceOf(*dc);
            if (surface && surface->monochrome())
                bits = 1;
        }
        // Windows answers an empty size with its stock 1 x 1 monochrome bitmap.
        if (cx == 0 || cy == 0)
            return defaultBitmap();
        if (!validSize(cx, cy)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        return addSurface(std::make_shared<Surface>(cx, cy, bits));
    });
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, void **ppvBits,
                                HANDLE hSection, DWORD offset)
{
    return vks::atWin32Boundary<HBITMAP>(nullptr, [&]() -> HBITMAP {
        std::lock_guard guard(gdiLock());
        if (ppvBits)
            *ppvBits = nullptr;
        if (hdc && !dcOf(hdc))
            return nullptr;
        const BITMAPINFOHEADER *header = pbmi ? &pbmi->bmiHeader : nullptr;
        if (!header || header->biSize < sizeof(BITMAPINFOHEADER) || header->biBitCount != 32 ||
            header->biCompression != BI_RGB || usage != DIB_RGB_COLORS || hSection || offset ||
            !validSize(header->biWidth, std::abs(header->biHeight))) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        auto surface = Surface::dibSection(header->biWidth, header->biHeight);
        if (ppvBits)
            *ppvBits = surface->memory();
        return addSurface(std::move(surface));
    });
}

int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits,
                     LPBITMAPINFO lpbmi, UINT usage)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        std::lock_guard guard(gdiLock());
        if (!dcOf(hdc))
            return 0;
        const BitmapEntry *bitmap = gdiObject<BitmapEntry>(hbm);
        if (!bitmap) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        BITMAPINFOHEADER *header = lpbmi ? &lpbmi->bmiHeader : nullptr;
        if (!header || header->biSize < sizeof(BITMAPINFOHEADER) || usage != DIB_RGB_COLORS) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        const Surface &surface = *bitmap->surface;
        if (!lpvBits && header->biBitCount == 0) {
            header->biWidth = surface.width();
            header->biHeight = surface.height();
            header->biPlanes = 1;
            header->biBitCount = surface.bitsPixel() == 1 ? 1 : 32;
            header->biCompression = BI_RGB;
            header->biSizeImage =
                static_cast<DWORD>((surface.width() * header->biBitCount + 31) / 32 * 4 *
                                   surface.height());
            return 1;
        }
        const WORD bits = header->biBitCount;
        if ((bits != 24 && bits != 32) || header->biCompression != BI_RGB || header->biWidth <= 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        const size_t stride = (static_cast<size_t>(header->biWidth) * bits + 31) / 32 * 4;
        header->biSizeImage = static_cast<DWORD>(stride * static_cast<size_t>(std::abs(header->biHeight)));
        const int height = surface.height();
        if (start >= static_cast<UINT>(height))
            return 0;
        const int lines = static_cast<int>(std::min<UINT>(cLines, static_cast<UINT>(height) - start));
        if (!lpvBits)
            return lines;
        auto *out = static_cast<unsigned char *>(lpvBits);
        const bool bottomUp = header->biHeight > 0;
        for (int k = 0; k < lines; ++k) {
            const int line = static_cast<int>(start) + k;
            const int y = bottomUp ? height - 1 - line : line;
            std::memset(out + static_cast<size_t>(k) * stride, 0, stride);
            copyRow(surface, y, header->biWidth, bits, out + static_cast<size_t>(k) * stride);
        }
        return lines;
    });
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y)
{
    return vks::atWin32Boundary<COLORREF>(CLR_INVALID, [&]() -> COLORREF {
        std::lock_guard guard(gdiLock());
        DcObject *dc = dcOf(hdc);
        if (!dc)
            return CLR_INVALID;
        const DrawTarget target = drawTarget(*dc);
        const POINT at = target.toSurface(POINT{x, y});
        if (!target.surface || !inside(target.clip, at))
            return CLR_INVALID;
        return colourOf(target.surface->pixel(at.x, at.y));
    });
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    return vks::atWin32Boundary<COLORREF>(CLR_INVALID, [&]() -> COLORREF {
        std::lock_guard guard(gdiLock());
        DcObject *dc = dcOf(hdc);
        if (!dc)
            return CLR_INVALID;
        const DrawTarget target = drawTarget(*dc);
        const POINT at = target.toSurface(POINT{x, y});
        if (!target.surface || !inside(target.clip, at))
            return CLR_INVALID;
        const std::uint32_t pixel = target.surface->deviceColour(color);
        target.surface->row(at.y)[at.x] = pixel;
        return colourOf(pixel);
    });
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (ropUsesSource(rop)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return stretch(hdc, x, y, w, h, nullptr, 0, 0, 0, 0, rop) ? TRUE : FALSE;
    });
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    return stretch(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop) ? TRUE : FALSE;
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                       int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop)
{
    return stretch(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop)
               ? TRUE
               : FALSE;
}
