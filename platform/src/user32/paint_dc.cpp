// The device contexts of windows, over their top-level windows' surfaces.
#include "user32/paint_dc.h"
#include "kernel32/no_destructor.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "gdi32/display_dc.h"

namespace vks::detail {

namespace {

struct WindowSurface {
    HBITMAP bitmap = nullptr;
    SIZE size{};
};

struct WindowDcs {
    std::mutex lock;
    std::unordered_map<HWND, WindowSurface> surfaces;  // by top-level window
    std::unordered_map<HDC, HWND> open;
};

WindowDcs &windowDcs()
{
    static NoDestructor<WindowDcs> dcs;
    return *dcs;
}

HWND topLevelOf(HWND hwnd)
{
    HWND top = hwnd;
    while ((GetWindowLongA(top, GWL_STYLE) & WS_CHILD) && GetParent(top))
        top = GetParent(top);
    return top;
}

RECT clientInTop(HWND hwnd, HWND top)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, top, reinterpret_cast<POINT *>(&client), 2);
    return client;
}

RECT intersect(const RECT &a, const RECT &b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The surface of a top-level window at its present size; a new one when the size changed.
HBITMAP surfaceOf(HWND top)
{
    RECT rect{};
    GetWindowRect(top, &rect);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    WindowDcs &dcs = windowDcs();
    std::lock_guard guard(dcs.lock);
    WindowSurface &surface = dcs.surfaces[top];
    if (!surface.bitmap || surface.size.cx != size.cx || surface.size.cy != size.cy) {
        if (surface.bitmap)
            DeleteObject(surface.bitmap);
        surface.bitmap = createWindowSurface(std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1));
        surface.size = size;
    }
    return surface.bitmap;
}

}  // namespace

HDC openPaintDc(HWND hwnd, const RECT *update)
{
    if (!IsWindow(hwnd))
        return nullptr;
    const HWND top = topLevelOf(hwnd);
    const RECT client = clientInTop(hwnd, top);
    RECT visible = client;
    for (HWND above = hwnd; above != top;) {
        above = GetParent(above);
        visible = intersect(visible, clientInTop(above, top));
    }
    if (update) {
        const RECT wanted{update->left + client.left, update->top + client.top,
                          update->right + client.left, update->bottom + client.top};
        visible = intersect(visible, wanted);
    }
    const HDC dc = openWindowDc(surfaceOf(top), {client.left, client.top}, visible, hwnd);
    if (dc) {
        WindowDcs &dcs = windowDcs();
        std::lock_guard guard(dcs.lock);
        dcs.open[dc] = hwnd;
    }
    return dc;
}

bool closePaintDc(HWND hwnd, HDC dc)
{
    {
        WindowDcs &dcs = windowDcs();
        std::lock_guard guard(dcs.lock);
        const auto found = dcs.open.find(dc);
        if (found == dcs.open.end() || found->second != hwnd)
            return false;
        dcs.open.erase(found);
    }
    return closeWindowDc(dc);
}

HWND windowOfDc(HDC dc)
{
    return ownerOfDc(dc);
}

void closeWindowDcs(HWND hwnd)
{
    std::vector<HDC> closing;
    HBITMAP surface = nullptr;
    {
        WindowDcs &dcs = windowDcs();
        std::lock_guard guard(dcs.lock);
        for (auto it = dcs.open.begin(); it != dcs.open.end();) {
            if (it->second == hwnd) {
                closing.push_back(it->first);
                it = dcs.open.erase(it);
            } else {
                ++it;
            }
        }
        if (const auto found = dcs.surfaces.find(hwnd); found != dcs.surfaces.end()) {
            surface = found->second.bitmap;
            dcs.surfaces.erase(found);
        }
    }
    for (const HDC dc : closing)
        closeWindowDc(dc);
    if (surface)
        DeleteObject(surface);
}

}  // namespace vks::detail
