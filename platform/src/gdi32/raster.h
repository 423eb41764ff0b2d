// Internal to gdi32: shapes rasterised with cairo into a draw target, without anti-aliasing, and
// the pixel operations of blits. Points and rectangles are in surface coordinates; nothing
// outside the target's clip changes.
#pragma once

#include <cstdint>
#include <vector>

#include "gdi32/dc.h"

namespace vks::detail {

struct Stroke {
    std::uint32_t pixel = 0;
    int width = 1;
    UINT style = PS_SOLID;
};

void fillRect(const DrawTarget &target, const RECT &r, std::uint32_t pixel);
// Even-odd filling, as GDI's default ALTERNATE mode.
void fillPolygon(const DrawTarget &target, const std::vector<POINT> &points, std::uint32_t pixel);
// The last point is not drawn unless the line is closed.
void strokePolyline(const DrawTarget &target, const std::vector<POINT> &points,
                    const Stroke &stroke, bool closed);
// The ellipse inside the rectangle (right and bottom edges excluded).
void fillEllipse(const DrawTarget &target, const RECT &r, std::uint32_t pixel);
void strokeEllipse(const DrawTarget &target, const RECT &r, const Stroke &stroke);

// One pixel of a ternary raster operation: rop3 (bits 16-23 of a ROP code) applied bit by bit to
// the pattern, source and destination.
std::uint32_t ternaryRop(std::uint8_t rop3, std::uint32_t pattern, std::uint32_t source,
                         std::uint32_t destination);
// Whether a ROP code reads the source / the pattern.
bool ropUsesSource(DWORD rop);
bool ropUsesPattern(DWORD rop);

}  // namespace vks::detail
