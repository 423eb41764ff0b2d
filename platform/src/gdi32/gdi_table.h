// Internal to gdi32: the one table of GDI objects (brushes, pens, fonts, bitmaps and device
// contexts) and the lock every GDI call holds while it reads or draws.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <variant>
#include <vector>

#include "gdi32/gdi_objects.h"
#include "gdi32/surface.h"

namespace vks::detail {

class RealisedFont;

struct PenObject {
    UINT style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct FontObject {
    LOGFONTA logical{};
    // Matched to a host font at the first measurement, then kept.
    std::shared_ptr<RealisedFont> realised;
};

struct BitmapEntry {
    std::shared_ptr<Surface> surface;
    HDC selectedIn = nullptr;  // a bitmap lives in one memory DC at a time
};

// What SaveDC keeps and RestoreDC brings back.
struct DcAttributes {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr;  // memory DCs
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT position{};
    POINT windowOrg{};
    POINT viewportOrg{};
    std::optional<RECT> clip;  // the DC's device coordinates
};

struct DcObject {
    bool memory = true;
    DcAttributes now;
    std::vector<DcAttributes> saved;
    // A window's DC draws into its top-level window's surface: its device point (0, 0) is at
    // `origin` there, and only `visible` (surface coordinates) may be drawn.
    std::shared_ptr<Surface> display;
    POINT origin{};
    RECT visible{};
    HWND owner = nullptr;
};

struct GdiEntry {
    std::variant<BrushObject, PenObject, FontObject, BitmapEntry, DcObject> object;
    bool system = false;  // shared: DeleteObject leaves it
};

// Every GDI call holds this while it reads the table or draws; no callback runs under it.
std::recursive_mutex &gdiLock();

// Under gdiLock(): the entry of a live handle, or null.
GdiEntry *gdiEntry(HGDIOBJ handle);
HGDIOBJ addGdiEntry(GdiEntry entry);
void removeGdiEntry(HGDIOBJ handle);

template <typename Object>
Object *gdiObject(HGDIOBJ handle)
{
    GdiEntry *entry = gdiEntry(handle);
    return entry ? std::get_if<Object>(&entry->object) : nullptr;
}

// Under gdiLock(): whether a DC holds the object.
bool selectedAnywhere(HGDIOBJ handle);

}  // namespace vks::detail
