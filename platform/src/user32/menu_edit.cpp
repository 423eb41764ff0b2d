// Changing menus: inserting, appending, removing and deleting items, enabling and checking them.
#include <algorithm>

#include "menu_access.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr UINT kNoItem = static_cast<UINT>(-1);
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE;
constexpr UINT kBreakFlags = MF_MENUBREAK | MF_MENUBARBREAK;

}  // namespace

namespace vks::detail {

bool wouldLoop(MenuTable &table, HMENU menu, HMENU submenu)
{
    const std::vector<HMENU> below = table.tree(submenu);
    return std::find(below.begin(), below.end(), menu) != below.end();
}

MenuItemPlace insertionPlace(MenuTable &table, HMENU hMenu, UINT uPosition, bool byPosition)
{
    Menu *menu = table.find(hMenu);
    if (byPosition)
        return {menu, std::min<std::size_t>(uPosition, menu->items.size())};
    const MenuItemPlace found = table.locate(hMenu, uPosition, MF_BYCOMMAND);
    if (!found.menu && uPosition == kNoItem)
        return {menu, menu->items.size()};
    return found;
}

void insertItem(const MenuItemPlace &place, MenuItem item)
{
    if (!item.hasText) {
        item.type |= MF_SEPARATOR;
        item.state |= MFS_GRAYED;
    }
    auto &items = place.menu->items;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(place.position), std::move(item));
}

}  // namespace vks::detail

BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem,
                        LPCSTR lpNewItem)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (uFlags & (MF_BITMAP | MF_OWNERDRAW)) {
            SetLastError(ERROR_INVALID_PARAMETER);  // bitmaps and owner drawing are not offered
            return FALSE;
        }
        return withMenu(hMenu, FALSE, [&](MenuTable &table, Menu &) -> BOOL {
            MenuItem item;
            item.type = uFlags & kBreakFlags;
            item.state = uFlags & kStateFlags;
            item.id = static_cast<UINT>(uIDNewItem);
            const HMENU submenu = reinterpret_cast<HMENU>(uIDNewItem);
            // Like Windows, a pop-up item naming no menu is a plain item with that identifier.
            if ((uFlags & MF_POPUP) && table.find(submenu)) {
                if (wouldLoop(table, hMenu, submenu))
                    return FALSE;
                item.submenu = submenu;
            }
            if (!(uFlags & MF_SEPARATOR) && lpNewItem) {
                item.text = lpNewItem;
                item.hasText = true;
            }
            const MenuItemPlace place =
                insertionPlace(table, hMenu, uPosition, (uFlags & MF_BYPOSITION) != 0);
            if (!place.menu)
                return FALSE;
            insertItem(place, std::move(item));
            return TRUE;
        });
    });
}

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        return InsertMenuA(hMenu, kNoItem, uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
    });
}

BOOL WINAPI RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        return withMenu(hMenu, FALSE, [&](MenuTable &table, Menu &) -> BOOL {
            const MenuItemPlace place = table.locate(hMenu, uPosition, uFlags);
            if (!place.menu)
                return FALSE;
            place.menu->items.erase(place.menu->items.begin() +
                                    static_cast<std::ptrdiff_t>(place.position));
            return TRUE;
        });
    });
}

BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMENU submenu = nullptr;
        const BOOL removed = withMenu(hMenu, FALSE, [&](MenuTable &table, Menu &) -> BOOL {
            const MenuItemPlace place = table.locate(hMenu, uPosition, uFlags);
            if (!place.menu)
                return FALSE;
            submenu = place.item().submenu;
            place.menu->items.erase(place.menu->items.begin() +
                                    static_cast<std::ptrdiff_t>(place.position));
            return TRUE;
        });
        if (removed && submenu && IsMenu(submenu))
            DestroyMenu(submenu);
        return removed;
    });
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    return vks::atWin32Boundary<BOOL>(-1, [&]() -> BOOL {
        return withMenu(hMenu, -1, [&](MenuTable &table, Menu &) -> BOOL {
            const MenuItemPlace place = table.locate(hMenu, uIDEnableItem, uEnable);
            if (!place.menu)
                return -1;
            MenuItem &item = place.item();
            const UINT previous = item.state & (MF_GRAYED | MF_DISABLED);
            item.state = (item.state & ~(MF_GRAYED | MF_DISABLED)) |
                         (uEnable & (MF_GRAYED | MF_DISABLED));
            return static_cast<BOOL>(previous);
        });
    });
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    return vks::atWin32Boundary<DWORD>(kNoItem, [&]() -> DWORD {
        return withMenu(hMenu, DWORD{kNoItem}, [&](MenuTable &table, Menu &) -> DWORD {
            const MenuItemPlace place = table.locate(hMenu, uIDCheckItem, uCheck);
            if (!place.menu)
                return kNoItem;
            MenuItem &item = place.item();
            const UINT previous = item.state & MF_CHECKED;
            item.state = (item.state & ~static_cast<UINT>(MF_CHECKED)) | (uCheck & MF_CHECKED);
            return previous;
        });
    });
}
