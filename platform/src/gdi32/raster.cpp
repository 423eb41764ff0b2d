// Shapes rasterised with cairo, and the ternary raster operations.
#include "gdi32/raster.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vks::detail {

namespace {

struct CairoDeleter {
    void operator()(cairo_t *cr) const
    {
        cairo_surface_t *surface = cairo_get_target(cr);
        cairo_surface_flush(surface);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
};
using Cairo = std::unique_ptr<cairo_t, CairoDeleter>;

// A cairo context over the target's pixels, clipped, in surface coordinates (a bottom-up
// surface is flipped so that y grows downwards here too), drawing aliased in the colour.
Cairo open(const DrawTarget &target, std::uint32_t pixel)
{
    Surface &surface = *target.surface;
    cairo_surface_t *image = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char *>(surface.memory()), CAIRO_FORMAT_RGB24, surface.width(),
        surface.height(), surface.width() * 4);
    Cairo cr(cairo_create(image));
    if (surface.bottomUp()) {
        cairo_translate(cr.get(), 0, surface.height());
        cairo_scale(cr.get(), 1, -1);
    }
    cairo_rectangle(cr.get(), target.clip.left, target.clip.top,
                    target.clip.right - target.clip.left, target.clip.bottom - target.clip.top);
    cairo_clip(cr.get());
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr.get(), (pixel >> 16 & 0xFF) / 255.0, (pixel >> 8 & 0xFF) / 255.0,
                         (pixel & 0xFF) / 255.0);
    return cr;
}

bool drawable(const DrawTarget &target)
{
    return target.surface && !isEmpty(target.clip);
}

// The dash pattern of a one-pixel pen style, as Windows draws cosmetic pens.
void setDashes(cairo_t *cr, UINT style)
{
    static const double kDash[] = {18, 6};
    static const double kDot[] = {3, 3};
    if (style == PS_DASH)
        cairo_set_dash(cr, kDash, 2, 0);
    else if (style == PS_DOT)
        cairo_set_dash(cr, kDot, 2, 0);
}

// A one-pixel line over pixel centres: it starts half a pixel early and ends half a pixel short
// along its major axis, so that exactly the pixels from the first to the one before the last
// are inside the stroke, as GDI draws lines.
void addThinSegment(cairo_t *cr, POINT from, POINT to, bool lastIncluded)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double major = std::max(std::abs(dx), std::abs(dy));
    if (major == 0)
        return;
    const double before = -0.5 / major;
    const double after = lastIncluded ? 1 + 0.5 / major : 1 - 0.5 / major;
    cairo_move_to(cr, from.x + 0.5 + dx * before, from.y + 0.5 + dy * before);
    cairo_line_to(cr, from.x + 0.5 + dx * after, from.y + 0.5 + dy * after);
}

void addEllipse(cairo_t *cr, double left, double top, double right, double bottom)
{
    if (right <= left || bottom <= top)
        return;
    cairo_save(cr);
    cairo_translate(cr, (left + right) / 2, (top + bottom) / 2);
    cairo_scale(cr, (right - left) / 2, (bottom - top) / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

}  // namespace

void fillRect(const DrawTarget &target, const RECT &r, std::uint32_t pixel)
{
    const RECT area = intersection(r, target.clip);
    if (!drawable(target) || isEmpty(area))
        return;
    Surface &surface = *target.surface;
    for (LONG y = area.top; y < area.bottom; ++y)
        std::fill(surface.row(y) + area.left, surface.row(y) + area.right, pixel);
}

void fillPolygon(const DrawTarget &target, const std::vector<POINT> &points, std::uint32_t pixel)
{
    if (!drawable(target) || points.size() < 3)
        return;
    Cairo cr = open(target, pixel);
    cairo_move_to(cr.get(), points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr.get(), points[i].x, points[i].y);
    cairo_close_path(cr.get());
    cairo_set_fill_rule(cr.get(), CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr.get());
}

void strokePolyline(const DrawTarget &target, const std::vector<POINT> &points,
                    const Stroke &stroke, bool closed)
{
    if (!drawable(target) || points.size() < 2 || stroke.style == PS_NULL)
        return;
    Cairo cr = open(target, stroke.pixel);
    setDashes(cr.get(), stroke.style);
    if (stroke.width <= 1) {
        cairo_set_line_width(cr.get(), 1);
        cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_BUTT);
        const size_t segments = closed ? points.size() : points.size() - 1;
        for (size_t i = 0; i < segments; ++i)
            addThinSegment(cr.get(), points[i], points[(i + 1) % points.size()], false);
        cairo_stroke(cr.get());
        return;
    }
    cairo_set_line_width(cr.get(), stroke.width);
    cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr.get(), points[0].x + 0.5, points[0].y + 0.5);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr.get(), points[i].x + 0.5, points[i].y + 0.5);
    if (closed)
        cairo_close_path(cr.get());
    cairo_stroke(cr.get());
}

void fillEllipse(const DrawTarget &target, const RECT &r, std::uint32_t pixel)
{
    if (!drawable(target))
        return;
    Cairo cr = open(target, pixel);
    addEllipse(cr.get(), r.left, r.top, r.right, r.bottom);
    cairo_fill(cr.get());
}

void strokeEllipse(const DrawTarget &target, const RECT &r, const Stroke &stroke)
{
    if (!drawable(target) || stroke.style == PS_NULL)
        return;
    Cairo cr = open(target, stroke.pixel);
    setDashes(cr.get(), stroke.style);
    const double inset = stroke.width / 2.0;
    cairo_set_line_width(cr.get(), stroke.width);
    addEllipse(cr.get(), r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
    cairo_stroke(cr.get());
}

std::uint32_t ternaryRop(std::uint8_t rop3, std::uint32_t pattern, std::uint32_t source,
                         std::uint32_t destination)
{
    // The code is a truth table indexed by (pattern, source, destination) bits: the result is
    // the union of the minterms whose entry is set.
    std::uint32_t result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (!(rop3 >> index & 1))
            continue;
        const std::uint32_t p = index & 4 ? pattern : ~pattern;
        const std::uint32_t s = index & 2 ? source : ~source;
        const std::uint32_t d = index & 1 ? destination : ~destination;
        result |= p & s & d;
    }
    return result & 0xFFFFFF;
}

bool ropUsesSource(DWORD rop)
{
    const unsigned rop3 = rop >> 16 & 0xFF;
    return ((rop3 >> 2) & 0x33) != (rop3 & 0x33);
}

bool ropUsesPattern(DWORD rop)
{
    const unsigned rop3 = rop >> 16 & 0xFF;
    return ((rop3 >> 4) & 0x0F) != (rop3 & 0x0F);
}

}  // namespace vks::detail
