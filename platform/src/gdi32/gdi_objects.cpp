// The table of GDI objects.
#include "gdi32/gdi_table.h"
#include "kernel32/no_destructor.h"

#include <cstdint>
#include <unordered_map>

namespace vks::detail {

namespace {

struct GdiTable {
    // Handles are never reused, so a deleted one is never taken for a live one.
    std::uintptr_t next = 0x80010;
    std::unordered_map<HGDIOBJ, GdiEntry> objects;
};

GdiTable &gdiTable()
{
    static NoDestructor<GdiTable> table;
    return *table;
}

bool holds(const DcAttributes &attributes, HGDIOBJ handle)
{
    return attributes.pen == handle || attributes.brush == handle || attributes.font == handle ||
           attributes.bitmap == handle;
}

}  // namespace

std::recursive_mutex &gdiLock()
{
    static NoDestructor<std::recursive_mutex> lock;
    return *lock;
}

GdiEntry *gdiEntry(HGDIOBJ handle)
{
    GdiTable &table = gdiTable();
    const auto found = table.objects.find(handle);
    return found == table.objects.end() ? nullptr : &found->second;
}

HGDIOBJ addGdiEntry(GdiEntry entry)
{
    std::lock_guard guard(gdiLock());
    GdiTable &table = gdiTable();
    const auto handle = reinterpret_cast<HGDIOBJ>(table.next);
    table.next += 4;
    table.objects.emplace(handle, std::move(entry));
    return handle;
}

void removeGdiEntry(HGDIOBJ handle)
{
    gdiTable().objects.erase(handle);
}

bool selectedAnywhere(HGDIOBJ handle)
{
    for (const auto &[dcHandle, entry] : gdiTable().objects) {
        const auto *dc = std::get_if<DcObject>(&entry.object);
        if (!dc)
            continue;
        if (holds(dc->now, handle))
            return true;
    }
    return false;
}

HBRUSH addBrush(const BrushObject &brush, bool system)
{
    return static_cast<HBRUSH>(addGdiEntry({brush, system}));
}

HBITMAP addBitmap(const BitmapObject &bitmap)
{
    auto surface = std::make_shared<Surface>(bitmap.width, bitmap.height, bitmap.bitsPixel);
    for (int y = 0; y < bitmap.height; ++y) {
        std::uint32_t *row = surface->row(y);
        for (int x = 0; x < bitmap.width; ++x)
            row[x] = pixelOf(bitmap.at(x, y));
    }
    return static_cast<HBITMAP>(addGdiEntry({BitmapEntry{std::move(surface)}, false}));
}

std::optional<BrushObject> brushOf(HGDIOBJ handle)
{
    std::lock_guard guard(gdiLock());
    if (const BrushObject *brush = gdiObject<BrushObject>(handle))
        return *brush;
    return std::nullopt;
}

std::optional<BitmapObject> bitmapOf(HGDIOBJ handle)
{
    std::lock_guard guard(gdiLock());
    const BitmapEntry *entry = gdiObject<BitmapEntry>(handle);
    if (!entry)
        return std::nullopt;
    const Surface &surface = *entry->surface;
    BitmapObject bitmap;
    bitmap.width = surface.width();
    bitmap.height = surface.height();
    bitmap.bitsPixel = surface.bitsPixel();
    bitmap.pixels.reserve(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            bitmap.pixels.push_back(colourOf(surface.pixel(x, y)));
    return bitmap;
}

bool deleteGdiObject(HGDIOBJ handle)
{
    std::lock_guard guard(gdiLock());
    GdiEntry *entry = gdiEntry(handle);
    if (!entry || std::holds_alternative<DcObject>(entry->object))
        return false;
    if (entry->system)
        return true;
    if (selectedAnywhere(handle))
        return false;
    removeGdiEntry(handle);
    return true;
}

}  // namespace vks::detail
