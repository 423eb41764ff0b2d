// Device contexts: their surfaces, coordinates and selected objects.
#include "gdi32/dc.h"

#include <algorithm>

namespace vks::detail {

RECT intersection(const RECT &a, const RECT &b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool isEmpty(const RECT &r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

DcObject *dcOf(HDC dc)
{
    DcObject *object = gdiObject<DcObject>(dc);
    if (!object)
        SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

Surface *surfaceOf(DcObject &dc)
{
    if (!dc.memory)
        return dc.display.get();
    const BitmapEntry *bitmap = gdiObject<BitmapEntry>(dc.now.bitmap);
    return bitmap ? bitmap->surface.get() : nullptr;
}

POINT logicalToDevice(const DcObject &dc, POINT logical)
{
    return {logical.x - dc.now.windowOrg.x + dc.now.viewportOrg.x,
            logical.y - dc.now.windowOrg.y + dc.now.viewportOrg.y};
}

DrawTarget drawTarget(DcObject &dc)
{
    DrawTarget target;
    target.surface = surfaceOf(dc);
    if (!target.surface)
        return target;
    RECT clip{0, 0, target.surface->width(), target.surface->height()};
    if (!dc.memory)
        clip = intersection(clip, dc.visible);
    if (dc.now.clip) {
        const RECT user{dc.now.clip->left + dc.origin.x, dc.now.clip->top + dc.origin.y,
                        dc.now.clip->right + dc.origin.x, dc.now.clip->bottom + dc.origin.y};
        clip = intersection(clip, user);
    }
    target.clip = clip;
    const POINT zero = logicalToDevice(dc, {0, 0});
    target.shift = {zero.x + dc.origin.x, zero.y + dc.origin.y};
    return target;
}

const PenObject &selectedPen(DcObject &dc)
{
    static const PenObject kBlack;
    const PenObject *pen = gdiObject<PenObject>(dc.now.pen);
    return pen ? *pen : kBlack;
}

const BrushObject &selectedBrush(DcObject &dc)
{
    static const BrushObject kWhite{RGB(255, 255, 255)};
    const BrushObject *brush = gdiObject<BrushObject>(dc.now.brush);
    return brush ? *brush : kWhite;
}

FontObject &selectedFont(DcObject &dc)
{
    FontObject *font = gdiObject<FontObject>(dc.now.font);
    if (!font)
        font = gdiObject<FontObject>(stockObject(SYSTEM_FONT));
    return *font;
}

}  // namespace vks::detail
