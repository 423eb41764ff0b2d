// Internal to gdi32: device contexts as drawing calls use them, under gdiLock().
#pragma once

#include <optional>

#include "gdi32/gdi_table.h"

namespace vks::detail {

// The stock objects a new DC starts with, and GetStockObject's others; made on first use.
HGDIOBJ stockObject(int index);
// The 1 x 1 monochrome bitmap a new memory DC holds.
HBITMAP defaultBitmap();

// The DC of a handle, or null with ERROR_INVALID_HANDLE.
DcObject *dcOf(HDC dc);

// Where a DC's drawing lands: the surface, the part of it that may change, and the shift from
// the DC's logical coordinates to the surface's.
struct DrawTarget {
    Surface *surface = nullptr;
    RECT clip{};
    POINT shift{};

    POINT toSurface(POINT logical) const { return {logical.x + shift.x, logical.y + shift.y}; }
    RECT toSurface(const RECT &r) const
    {
        return {r.left + shift.x, r.top + shift.y, r.right + shift.x, r.bottom + shift.y};
    }
};

DrawTarget drawTarget(DcObject &dc);
// The surface a DC draws into (the selected bitmap's, or the window's).
Surface *surfaceOf(DcObject &dc);
// Logical to the DC's device coordinates (origins applied).
POINT logicalToDevice(const DcObject &dc, POINT logical);

// Under gdiLock(): the selected objects, always present.
const PenObject &selectedPen(DcObject &dc);
const BrushObject &selectedBrush(DcObject &dc);
FontObject &selectedFont(DcObject &dc);

RECT intersection(const RECT &a, const RECT &b);
bool isEmpty(const RECT &r);

}  // namespace vks::detail
