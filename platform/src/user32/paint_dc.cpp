// The device-context handles of painting.
#include "user32/paint_dc.h"
#include "kernel32/no_destructor.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace vks::detail {

namespace {

struct OpenDcs {
    std::mutex lock;
    // Handles are never reused, so a stale one is never taken for a live one.
    std::uintptr_t next = 0x40010;
    std::unordered_map<HDC, HWND> windowOf;
};

OpenDcs &openDcs()
{
    static NoDestructor<OpenDcs> dcs;
    return *dcs;
}

}  // namespace

HDC openPaintDc(HWND hwnd)
{
    OpenDcs &dcs = openDcs();
    std::lock_guard guard(dcs.lock);
    const HDC dc = reinterpret_cast<HDC>(dcs.next);
    dcs.next += 4;
    dcs.windowOf[dc] = hwnd;
    return dc;
}

bool closePaintDc(HWND hwnd, HDC dc)
{
    OpenDcs &dcs = openDcs();
    std::lock_guard guard(dcs.lock);
    const auto found = dcs.windowOf.find(dc);
    if (found == dcs.windowOf.end() || found->second != hwnd)
        return false;
    dcs.windowOf.erase(found);
    return true;
}

HWND windowOfDc(HDC dc)
{
    OpenDcs &dcs = openDcs();
    std::lock_guard guard(dcs.lock);
    const auto found = dcs.windowOf.find(dc);
    return found == dcs.windowOf.end() ? nullptr : found->second;
}

}  // namespace vks::detail
