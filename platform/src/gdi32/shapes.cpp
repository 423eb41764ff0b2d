// Lines and shapes: MoveToEx, LineTo, Polyline, Polygon, Rectangle and Ellipse.
#include <vector>

#include "gdi32/raster.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

template <typename Body>
BOOL onDc(HDC hdc, Body &&body)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        std::lock_guard guard(gdiLock());
        DcObject *dc = dcOf(hdc);
        if (!dc)
            return FALSE;
        body(*dc, drawTarget(*dc));
        return TRUE;
    });
}

Stroke penStroke(DcObject &dc, const DrawTarget &target)
{
    const PenObject &pen = selectedPen(dc);
    return {target.surface ? target.surface->deviceColour(pen.color) : 0, pen.width, pen.style};
}

std::vector<POINT> toSurface(const DrawTarget &target, const POINT *points, int count)
{
    std::vector<POINT> out;
    out.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        out.push_back(target.toSurface(points[i]));
    return out;
}

// The rectangle with its corners in order, as GDI takes either order.
RECT ordered(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

bool hasPen(DcObject &dc)
{
    return selectedPen(dc).style != PS_NULL;
}

// The pixel the brush paints, or nothing for the hollow brush.
std::optional<std::uint32_t> brushPixel(DcObject &dc, const DrawTarget &target)
{
    const BrushObject &brush = selectedBrush(dc);
    if (brush.hollow || !target.surface)
        return std::nullopt;
    return target.surface->deviceColour(brush.color);
}

void frameThin(const DrawTarget &target, const RECT &r, const Stroke &stroke)
{
    if (stroke.style != PS_SOLID && stroke.style != PS_INSIDEFRAME) {
        const std::vector<POINT> corners{{r.left, r.top},
                                         {r.right - 1, r.top},
                                         {r.right - 1, r.bottom - 1},
                                         {r.left, r.bottom - 1}};
        strokePolyline(target, corners, stroke, true);
        return;
    }
    fillRect(target, {r.left, r.top, r.right, r.top + 1}, stroke.pixel);
    fillRect(target, {r.left, r.bottom - 1, r.right, r.bottom}, stroke.pixel);
    fillRect(target, {r.left, r.top, r.left + 1, r.bottom}, stroke.pixel);
    fillRect(target, {r.right - 1, r.top, r.right, r.bottom}, stroke.pixel);
}

}  // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return onDc(hdc, [&](DcObject &dc, const DrawTarget &) {
        if (lppt)
            *lppt = dc.now.position;
        dc.now.position = {x, y};
    });
}

BOOL WINAPI LineTo(HDC hdc, int x, int y)
{
    return onDc(hdc, [&](DcObject &dc, const DrawTarget &target) {
        const std::vector<POINT> line{target.toSurface(dc.now.position),
                                      target.toSurface(POINT{x, y})};
        strokePolyline(target, line, penStroke(dc, target), false);
        dc.now.position = {x, y};
    });
}

BOOL WINAPI Polyline(HDC hdc, const POINT *apt, int cpt)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!apt || cpt < 2) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return onDc(hdc, [&](DcObject &dc, const DrawTarget &target) {
            strokePolyline(target, toSurface(target, apt, cpt), penStroke(dc, target), false);
        });
    });
}

BOOL WINAPI Polygon(HDC hdc, const POINT *apt, int cpt)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!apt || cpt < 2) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return onDc(hdc, [&](DcObject &dc, const DrawTarget &target) {
            const std::vector<POINT> points = toSurface(target, apt, cpt);
            if (const auto fill = brushPixel(dc, target))
                fillPolygon(target, points, *fill);
            strokePolyline(target, points, penStroke(dc, target), true);
        });
    });
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    return onDc(hdc, [&](DcObject &dc, const DrawTarget &target) {
        const RECT r = target.toSurface(ordered(left, top, right, bottom));
        const Stroke stroke = penStroke(dc, target);
        if (!hasPen(dc)) {
            if (const auto fill = brushPixel(dc, target))
                fillRect(target, {r.left, r.top, r.right - 1, r.bottom - 1}, *fill);
            return;
        }
        const int inset = stroke.width > 1 && stroke.style == PS_INSIDEFRAME ? stroke.width : 1;
        if (const auto fill = brushPixel(dc, target))
            fillRect(target, {r.left + inset, r.top + inset, r.right - inset, r.bottom - inset},
                     *fill);
        if (stroke.width <= 1 || stroke.style == PS_INSIDEFRAME) {
            for (int ring = 0; ring < (stroke.width > 1 ? stroke.width : 1); ++ring)
                frameThin(target, {r.left + ring, r.top + ring, r.right - ring, r.bottom - ring},
                          stroke);
            return;
        }
        const std::vector<POINT> corners{{r.left, r.top},
                                         {r.right - 1, r.top},
                                         {r.right - 1, r.bottom - 1},
                                         {r.left, r.bottom - 1}};
        strokePolyline(target, corners, stroke, true);
    });
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    return onDc(hdc, [&](DcObject &dc, const DrawTarget &target) {
        RECT r = target.toSurface(ordered(left, top, right, bottom));
        if (!hasPen(dc)) {
            r.right -= 1;
            r.bottom -= 1;
        }
        if (const auto fill = brushPixel(dc, target))
            fillEllipse(target, r, *fill);
        strokeEllipse(target, r, penStroke(dc, target));
    });
}
