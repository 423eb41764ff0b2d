// Menus as objects: creation, destruction, and the calls that read an item.
#include <algorithm>
#include <cstring>

#include "menu_access.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr UINT kNoItem = static_cast<UINT>(-1);

}  // namespace

namespace vks::detail {

UINT copyItemText(const MenuItem &item, LPSTR buffer, UINT size)
{
    if (!buffer || size == 0)
        return 0;
    const UINT copied = static_cast<UINT>(std::min<std::size_t>(item.text.size(), size - 1));
    std::memcpy(buffer, item.text.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

}  // namespace vks::detail

HMENU WINAPI CreateMenu(void)
{
    return vks::atWin32Boundary<HMENU>(nullptr, []() -> HMENU {
        MenuTable &table = menuTable();
        std::lock_guard guard(table.lock);
        return table.add(false);
    });
}

HMENU WINAPI CreatePopupMenu(void)
{
    return vks::atWin32Boundary<HMENU>(nullptr, []() -> HMENU {
        MenuTable &table = menuTable();
        std::lock_guard guard(table.lock);
        return table.add(true);
    });
}

BOOL WINAPI DestroyMenu(HMENU hMenu)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        return withMenu(hMenu, FALSE, [&](MenuTable &table, Menu &) -> BOOL {
            for (HMENU gone : table.tree(hMenu))
                table.erase(gone);
            return TRUE;
        });
    });
}

BOOL WINAPI IsMenu(HMENU hMenu)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        MenuTable &table = menuTable();
        std::lock_guard guard(table.lock);
        if (table.find(hMenu))
            return TRUE;
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    });
}

int WINAPI GetMenuItemCount(HMENU hMenu)
{
    return vks::atWin32Boundary<int>(-1, [&]() -> int {
        return withMenu(hMenu, -1, [](MenuTable &, Menu &menu) {
            return static_cast<int>(menu.items.size());
        });
    });
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos)
{
    return vks::atWin32Boundary<UINT>(kNoItem, [&]() -> UINT {
        return withMenu(hMenu, kNoItem, [&](MenuTable &table, Menu &) -> UINT {
            const MenuItemPlace place =
                table.locate(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
            if (!place.menu || place.item().submenu)
                return kNoItem;
            return place.item().id;
        });
    });
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos)
{
    return vks::atWin32Boundary<HMENU>(nullptr, [&]() -> HMENU {
        return withMenu(hMenu, HMENU{}, [&](MenuTable &table, Menu &) -> HMENU {
            const MenuItemPlace place =
                table.locate(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
            return place.menu ? place.item().submenu : nullptr;
        });
    });
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    return vks::atWin32Boundary<UINT>(kNoItem, [&]() -> UINT {
        return withMenu(hMenu, kNoItem, [&](MenuTable &table, Menu &) -> UINT {
            const MenuItemPlace place = table.locate(hMenu, uId, uFlags);
            if (!place.menu)
                return kNoItem;
            const MenuItem &item = place.item();
            const UINT flags = item.type | item.state;
            const Menu *submenu = item.submenu ? table.find(item.submenu) : nullptr;
            if (!submenu)
                return flags;
            // Windows keeps the count in one byte.
            const UINT count = static_cast<UINT>(submenu->items.size()) & 0xFF;
            return (count << 8) | ((flags | MF_POPUP) & 0xFF);
        });
    });
}

int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        return withMenu(hMenu, 0, [&](MenuTable &table, Menu &) -> int {
            const MenuItemPlace place = table.locate(hMenu, uIDItem, flags);
            if (!place.menu)
                return 0;
            const MenuItem &item = place.item();
            if (!lpString || cchMax <= 0)
                return static_cast<int>(item.text.size());
            return static_cast<int>(copyItemText(item, lpString, static_cast<UINT>(cchMax)));
        });
    });
}
