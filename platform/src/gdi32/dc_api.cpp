// Device contexts: CreateCompatibleDC, DeleteDC, SelectObject, GetCurrentObject, SaveDC,
// RestoreDC, the text and background attributes, the origins, the clip rectangle and
// GetDeviceCaps; and the window DCs user32 opens.
#include <utility>

#include "gdi32/dc.h"
#include "gdi32/display_dc.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr int kDotsPerInch = 96;

HDC addDc(DcObject dc)
{
    dc.now.pen = stockObject(BLACK_PEN);
    dc.now.brush = stockObject(WHITE_BRUSH);
    dc.now.font = stockObject(SYSTEM_FONT);
    return static_cast<HDC>(addGdiEntry({std::move(dc)}));
}

void selectBitmapInto(HDC dc, DcObject &object, HGDIOBJ bitmap)
{
    if (BitmapEntry *old = gdiObject<BitmapEntry>(object.now.bitmap))
        old->selectedIn = nullptr;
    object.now.bitmap = bitmap;
    if (BitmapEntry *now = gdiObject<BitmapEntry>(bitmap))
        now->selectedIn = dc;
}

// The previous object of its kind, or null when the object cannot go into this DC.
HGDIOBJ select(HDC dc, DcObject &object, HGDIOBJ handle)
{
    GdiEntry *entry = gdiEntry(handle);
    if (!entry)
        return nullptr;
    HGDIOBJ previous = nullptr;
    if (std::holds_alternative<PenObject>(entry->object)) {
        previous = object.now.pen;
        object.now.pen = handle;
    } else if (std::holds_alternative<BrushObject>(entry->object)) {
        previous = object.now.brush;
        object.now.brush = handle;
    } else if (std::holds_alternative<FontObject>(entry->object)) {
        previous = object.now.font;
        object.now.font = handle;
    } else if (auto *bitmap = std::get_if<BitmapEntry>(&entry->object)) {
        if (!object.memory || (bitmap->selectedIn && bitmap->selectedIn != dc))
            return nullptr;
        previous = object.now.bitmap;
        selectBitmapInto(dc, object, handle);
    }
    return previous;
}

void releaseDc(HDC dc, DcObject &object)
{
    if (object.memory)
        selectBitmapInto(dc, object, nullptr);
    removeGdiEntry(dc);
}

// Runs `body` on the DC under the lock; `failure` when the handle is no DC.
template <typename Result, typename Body>
Result withDc(HDC dc, Result failure, Body &&body)
{
    return vks::atWin32Boundary<Result>(failure, [&]() -> Result {
        std::lock_guard guard(gdiLock());
        DcObject *object = dcOf(dc);
        return object ? body(*object) : failure;
    });
}

// The whole area a DC can draw in, in its own device coordinates.
RECT deviceArea(DcObject &dc)
{
    Surface *surface = surfaceOf(dc);
    if (!surface)
        return {};
    if (dc.memory)
        return {0, 0, surface->width(), surface->height()};
    return {dc.visible.left - dc.origin.x, dc.visible.top - dc.origin.y,
            dc.visible.right - dc.origin.x, dc.visible.bottom - dc.origin.y};
}

int regionKind(const RECT &r)
{
    return isEmpty(r) ? NULLREGION : SIMPLEREGION;
}

}  // namespace

namespace vks::detail {

HBITMAP createWindowSurface(int width, int height)
{
    auto surface = std::make_shared<Surface>(width, height, WORD{32});
    return static_cast<HBITMAP>(addGdiEntry({BitmapEntry{std::move(surface)}}));
}

HDC openWindowDc(HBITMAP surface, POINT origin, const RECT &visible, HWND owner)
{
    std::lock_guard guard(gdiLock());
    const BitmapEntry *bitmap = gdiObject<BitmapEntry>(surface);
    if (!bitmap)
        return nullptr;
    DcObject dc;
    dc.memory = false;
    dc.display = bitmap->surface;
    dc.origin = origin;
    dc.visible = visible;
    dc.owner = owner;
    return addDc(std::move(dc));
}

bool closeWindowDc(HDC dc)
{
    std::lock_guard guard(gdiLock());
    DcObject *object = gdiObject<DcObject>(dc);
    if (!object || object->memory)
        return false;
    releaseDc(dc, *object);
    return true;
}

HWND ownerOfDc(HDC dc)
{
    std::lock_guard guard(gdiLock());
    const DcObject *object = gdiObject<DcObject>(dc);
    return object && !object->memory ? object->owner : nullptr;
}

}  // namespace vks::detail

HDC WINAPI CreateCompatibleDC(HDC hdc)
{
    return vks::atWin32Boundary<HDC>(nullptr, [&]() -> HDC {
        std::lock_guard guard(gdiLock());
        if (hdc && !dcOf(hdc))
            return nullptr;
        const HDC dc = addDc(DcObject{});
        selectBitmapInto(dc, *gdiObject<DcObject>(dc), defaultBitmap());
        return dc;
    });
}

BOOL WINAPI DeleteDC(HDC hdc)
{
    return withDc(hdc, FALSE, [&](DcObject &dc) {
        releaseDc(hdc, dc);
        return TRUE;
    });
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h)
{
    return withDc(hdc, HGDIOBJ{}, [&](DcObject &dc) -> HGDIOBJ {
        HGDIOBJ previous = select(hdc, dc, h);
        if (!previous)
            SetLastError(ERROR_INVALID_HANDLE);
        return previous;
    });
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type)
{
    return withDc(hdc, HGDIOBJ{}, [&](DcObject &dc) -> HGDIOBJ {
        switch (type) {
        case OBJ_PEN:
            return dc.now.pen;
        case OBJ_BRUSH:
            return dc.now.brush;
        case OBJ_FONT:
            return dc.now.font;
        case OBJ_BITMAP:
            return dc.now.bitmap;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    });
}

int WINAPI SaveDC(HDC hdc)
{
    return withDc(hdc, 0, [&](DcObject &dc) {
        dc.saved.push_back(dc.now);
        return static_cast<int>(dc.saved.size());
    });
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC)
{
    return withDc(hdc, FALSE, [&](DcObject &dc) -> BOOL {
        const int depth = static_cast<int>(dc.saved.size());
        const int wanted = nSavedDC < 0 ? depth + nSavedDC + 1 : nSavedDC;
        if (wanted < 1 || wanted > depth)
            return FALSE;
        const DcAttributes restored = dc.saved[static_cast<size_t>(wanted - 1)];
        dc.saved.resize(static_cast<size_t>(wanted - 1));
        const HGDIOBJ bitmap = restored.bitmap;
        dc.now = restored;
        if (dc.memory) {
            dc.now.bitmap = nullptr;
            selectBitmapInto(hdc, dc, gdiObject<BitmapEntry>(bitmap) ? bitmap : defaultBitmap());
        }
        return TRUE;
    });
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color)
{
    return withDc(hdc, COLORREF{CLR_INVALID}, [&](DcObject &dc) {
        return std::exchange(dc.now.textColour, color & 0xFFFFFF);
    });
}

COLORREF WINAPI GetTextColor(HDC hdc)
{
    return withDc(hdc, COLORREF{CLR_INVALID}, [&](DcObject &dc) { return dc.now.textColour; });
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color)
{
    return withDc(hdc, COLORREF{CLR_INVALID}, [&](DcObject &dc) {
        return std::exchange(dc.now.bkColour, color & 0xFFFFFF);
    });
}

COLORREF WINAPI GetBkColor(HDC hdc)
{
    return withDc(hdc, COLORREF{CLR_INVALID}, [&](DcObject &dc) { return dc.now.bkColour; });
}

int WINAPI SetBkMode(HDC hdc, int mode)
{
    return withDc(hdc, 0, [&](DcObject &dc) -> int {
        if (mode != TRANSPARENT && mode != OPAQUE) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        return std::exchange(dc.now.bkMode, mode);
    });
}

int WINAPI GetBkMode(HDC hdc)
{
    return withDc(hdc, 0, [&](DcObject &dc) { return dc.now.bkMode; });
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align)
{
    return withDc(hdc, UINT{GDI_ERROR},
                  [&](DcObject &dc) { return std::exchange(dc.now.textAlign, align); });
}

UINT WINAPI GetTextAlign(HDC hdc)
{
    return withDc(hdc, UINT{GDI_ERROR}, [&](DcObject &dc) { return dc.now.textAlign; });
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return withDc(hdc, FALSE, [&](DcObject &dc) {
        if (lppt)
            *lppt = dc.now.windowOrg;
        dc.now.windowOrg = {x, y};
        return TRUE;
    });
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return withDc(hdc, FALSE, [&](DcObject &dc) {
        if (lppt)
            *lppt = dc.now.viewportOrg;
        dc.now.viewportOrg = {x, y};
        return TRUE;
    });
}

BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt)
{
    return withDc(hdc, FALSE, [&](DcObject &dc) -> BOOL {
        if (!lppt)
            return FALSE;
        *lppt = dc.now.viewportOrg;
        return TRUE;
    });
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    return withDc(hdc, int{ERROR}, [&](DcObject &dc) {
        const POINT from = logicalToDevice(dc, {left, top});
        const POINT to = logicalToDevice(dc, {right, bottom});
        const RECT wanted{from.x, from.y, to.x, to.y};
        dc.now.clip = intersection(dc.now.clip.value_or(deviceArea(dc)), wanted);
        return regionKind(*dc.now.clip);
    });
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect)
{
    return withDc(hdc, int{ERROR}, [&](DcObject &dc) -> int {
        if (!lprect)
            return ERROR;
        RECT box = deviceArea(dc);
        if (dc.now.clip)
            box = intersection(box, *dc.now.clip);
        const POINT zero = logicalToDevice(dc, {0, 0});
        *lprect = {box.left - zero.x, box.top - zero.y, box.right - zero.x, box.bottom - zero.y};
        if (isEmpty(box))
            *lprect = {};
        return regionKind(box);
    });
}

int WINAPI GetDeviceCaps(HDC hdc, int index)
{
    return withDc(hdc, 0, [&](DcObject &dc) -> int {
        switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return kDotsPerInch;
        case BITSPIXEL: {
            const Surface *surface = surfaceOf(dc);
            return surface && surface->monochrome() ? 1 : 32;
        }
        default:
            return 0;
        }
    });
}
