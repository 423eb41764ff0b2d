// Text: TextOutA, ExtTextOutA, GetTextExtentPoint32A, GetTextMetricsA and GetTextFaceA.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "gdi32/raster.h"
#include "gdi32/typeface.h"
#include "kernel32/codepage.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// Runs `body` with the DC and its realised font under the lock; `failure` when either is
// missing.
template <typename Result, typename Body>
Result withFont(HDC hdc, Result failure, Body &&body)
{
    return vks::atWin32Boundary<Result>(failure, [&]() -> Result {
        std::lock_guard guard(gdiLock());
        DcObject *dc = dcOf(hdc);
        if (!dc)
            return failure;
        RealisedFont *font = realise(selectedFont(*dc));
        return font ? body(*dc, *font) : failure;
    });
}

void drawGlyph(const DrawTarget &target, const Glyph &glyph, POINT pen, std::uint32_t pixel)
{
    const int left = pen.x + glyph.left;
    const int top = pen.y - glyph.top;
    const RECT area = intersection({left, top, left + glyph.width, top + glyph.rows}, target.clip);
    for (LONG y = area.top; y < area.bottom; ++y) {
        std::uint32_t *row = target.surface->row(y);
        for (LONG x = area.left; x < area.right; ++x)
            if (glyph.on(x - left, y - top))
                row[x] = pixel;
    }
}

// The characters' advances: the font's, or the caller's (one per byte).
std::vector<int> advancesOf(const std::vector<ShapedCharacter> &shaped, const INT *dx)
{
    std::vector<int> advances;
    advances.reserve(shaped.size());
    std::size_t byte = 0;
    for (const ShapedCharacter &character : shaped) {
        int advance = character.advance;
        if (dx) {
            advance = 0;
            for (int i = 0; i < character.bytes; ++i)
                advance += dx[byte + static_cast<std::size_t>(i)];
        }
        byte += static_cast<std::size_t>(character.bytes);
        advances.push_back(advance);
    }
    return advances;
}

struct TextPlacement {
    int left = 0;      // logical x of the text's left edge
    int baseline = 0;  // logical y
};

TextPlacement place(const DcObject &dc, POINT reference, int width, const TEXTMETRICA &tm)
{
    const UINT align = dc.now.textAlign;
    TextPlacement placement;
    const UINT horizontal = align & TA_CENTER;
    placement.left = horizontal == TA_CENTER  ? reference.x - width / 2
                     : horizontal == TA_RIGHT ? reference.x - width
                                              : reference.x;
    const UINT vertical = align & TA_BASELINE;
    placement.baseline = vertical == TA_BASELINE ? reference.y
                         : vertical == TA_BOTTOM ? reference.y - tm.tmDescent
                                                 : reference.y + tm.tmAscent;
    return placement;
}

BOOL drawText(HDC hdc, int x, int y, UINT options, const RECT *rect, std::string_view text,
              const INT *dx)
{
    return withFont(hdc, FALSE, [&](DcObject &dc, RealisedFont &font) -> BOOL {
        DrawTarget target = drawTarget(dc);
        if (!target.surface)
            return TRUE;
        const TEXTMETRICA &tm = font.metrics();
        const std::vector<ShapedCharacter> shaped = font.shape(text);
        const std::vector<int> advances = advancesOf(shaped, dx);
        int width = 0;
        for (const int advance : advances)
            width += advance;
        const bool updateCp = (dc.now.textAlign & TA_UPDATECP) != 0;
        const POINT reference = updateCp ? dc.now.position : POINT{x, y};
        const TextPlacement placement = place(dc, reference, width, tm);

        const Surface &surface = *target.surface;
        if (rect && (options & ETO_OPAQUE))
            fillRect(target, target.toSurface(*rect), surface.deviceColour(dc.now.bkColour));
        if (rect && (options & ETO_CLIPPED))
            target.clip = intersection(target.clip, target.toSurface(*rect));
        const POINT origin = target.toSurface(POINT{placement.left, placement.baseline});
        if (dc.now.bkMode == OPAQUE && !(options & ETO_OPAQUE))
            fillRect(target,
                     {origin.x, origin.y - tm.tmAscent, origin.x + width, origin.y + tm.tmDescent},
                     surface.deviceColour(dc.now.bkColour));
        const std::uint32_t ink = surface.deviceColour(dc.now.textColour);
        int pen = origin.x;
        for (std::size_t i = 0; i < shaped.size(); ++i) {
            drawGlyph(target, *shaped[i].glyph, {pen, origin.y}, ink);
            pen += advances[i];
        }
        if (tm.tmUnderlined) {
            const int top = origin.y + font.primary().underlineOffset();
            fillRect(target, {origin.x, top, origin.x + width, top + 1}, ink);
        }
        if (tm.tmStruckOut) {
            const int top = origin.y - font.primary().strikeOutOffset();
            fillRect(target, {origin.x, top, origin.x + width, top + 1}, ink);
        }
        if (updateCp) {
            const UINT horizontal = dc.now.textAlign & TA_CENTER;
            if (horizontal == TA_LEFT)
                dc.now.position.x += width;
            else if (horizontal == TA_RIGHT)
                dc.now.position.x -= width;
        }
        return TRUE;
    });
}

}  // namespace

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCSTR lpString,
                        UINT c, const INT *lpDx)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpString && c) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return drawText(hdc, x, y, options, lprect, std::string_view(lpString ? lpString : "", c),
                        lpDx);
    });
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (c < 0 || (!lpString && c)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return drawText(hdc, x, y, 0, nullptr, std::string_view(lpString ? lpString : "", static_cast<std::size_t>(c)),
                        nullptr);
    });
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (c < 0 || !psizl || (!lpString && c)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return withFont(hdc, FALSE, [&](DcObject &, RealisedFont &font) -> BOOL {
            psizl->cx = font.width(std::string_view(lpString ? lpString : "", static_cast<std::size_t>(c)));
            psizl->cy = font.metrics().tmHeight;
            return TRUE;
        });
    });
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lptm) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return withFont(hdc, FALSE, [&](DcObject &, RealisedFont &font) -> BOOL {
            *lptm = font.metrics();
            return TRUE;
        });
    });
}

int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName)
{
    return withFont(hdc, 0, [&](DcObject &, RealisedFont &font) -> int {
        const std::string name = utf8ToAnsi(font.faceName());
        if (!lpName)
            return static_cast<int>(name.size()) + 1;
        if (c <= 0)
            return 0;
        const std::size_t copied = wholeCharacterPrefix(name, static_cast<std::size_t>(c) - 1);
        std::memcpy(lpName, name.data(), copied);
        lpName[copied] = '\0';
        return static_cast<int>(copied) + 1;
    });
}
