// The table of drawing objects.
#include "gdi32/gdi_objects.h"
#include "kernel32/no_destructor.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <variant>

namespace vks::detail {

namespace {

struct Entry {
    std::variant<BrushObject, BitmapObject> object;
    bool system = false;
};

struct GdiTable {
    std::mutex lock;
    // Handles are never reused, so a deleted one is never taken for a live one.
    std::uintptr_t next = 0x80010;
    std::unordered_map<HGDIOBJ, Entry> objects;

    HGDIOBJ add(Entry entry)
    {
        std::lock_guard guard(lock);
        HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(next);
        next += 4;
        objects.emplace(handle, std::move(entry));
        return handle;
    }
};

GdiTable &gdiTable()
{
    static NoDestructor<GdiTable> table;
    return *table;
}

template <typename Object>
std::optional<Object> objectOf(HGDIOBJ handle)
{
    GdiTable &table = gdiTable();
    std::lock_guard guard(table.lock);
    const auto found = table.objects.find(handle);
    if (found == table.objects.end())
        return std::nullopt;
    if (const Object *object = std::get_if<Object>(&found->second.object))
        return *object;
    return std::nullopt;
}

}  // namespace

HBRUSH addBrush(const BrushObject &brush, bool system)
{
    return static_cast<HBRUSH>(gdiTable().add({brush, system}));
}

HBITMAP addBitmap(BitmapObject bitmap)
{
    return static_cast<HBITMAP>(gdiTable().add({std::move(bitmap), false}));
}

std::optional<BrushObject> brushOf(HGDIOBJ handle)
{
    return objectOf<BrushObject>(handle);
}

std::optional<BitmapObject> bitmapOf(HGDIOBJ handle)
{
    return objectOf<BitmapObject>(handle);
}

bool deleteGdiObject(HGDIOBJ handle)
{
    GdiTable &table = gdiTable();
    std::lock_guard guard(table.lock);
    const auto found = table.objects.find(handle);
    if (found == table.objects.end())
        return false;
    if (!found->second.system)
        table.objects.erase(found);
    return true;
}

}  // namespace vks::detail
