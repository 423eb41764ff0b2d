// The item record: InsertMenuItemA and GetMenuItemInfoA.
#include <cstddef>

#include "menu_access.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr UINT kTypeConflicts = MIIM_FTYPE | MIIM_STRING | MIIM_BITMAP;
// Types this platform draws: text items and separators, with their column breaks.
constexpr UINT kOfferedTypes = MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

// Windows takes the current record and the older one without hbmpItem, and nothing else;
// MIIM_TYPE, the old form, cannot be mixed with the fields that replaced it.
bool isValidRecord(const MENUITEMINFOA *info)
{
    return info &&
           (info->cbSize == sizeof(MENUITEMINFOA) ||
            info->cbSize == offsetof(MENUITEMINFOA, hbmpItem)) &&
           !((info->fMask & MIIM_TYPE) && (info->fMask & kTypeConflicts));
}

bool asksForBitmaps(const MENUITEMINFOA &info)
{
    const UINT type = (info.fMask & (MIIM_TYPE | MIIM_FTYPE)) ? info.fType : 0;
    return (type & ~kOfferedTypes) != 0 || (info.fMask & MIIM_BITMAP) ||
           ((info.fMask & MIIM_CHECKMARKS) && (info.hbmpChecked || info.hbmpUnchecked));
}

void setText(MenuItem &item, LPCSTR text)
{
    item.hasText = text != nullptr;
    item.text = text ? text : "";
}

// The new item as the record describes it; false when its submenu is no menu or would loop.
bool itemFromRecord(MenuTable &table, HMENU hMenu, const MENUITEMINFOA &info, MenuItem &item)
{
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE))
        item.type = info.fType & kOfferedTypes;
    if ((info.fMask & MIIM_TYPE) && !(info.fType & MF_SEPARATOR))
        setText(item, info.dwTypeData);
    if (info.fMask & MIIM_STRING)
        setText(item, info.dwTypeData);
    if (info.fMask & MIIM_STATE)
        item.state = info.fState & kStateFlags;
    if (info.fMask & MIIM_ID)
        item.id = info.wID;
    if (info.fMask & MIIM_DATA)
        item.data = info.dwItemData;
    if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu) {
        if (!table.find(info.hSubMenu) || wouldLoop(table, hMenu, info.hSubMenu))
            return false;
        item.submenu = info.hSubMenu;
    }
    return true;
}

// MIIM_STRING's answer: the text into dwTypeData, or only its length when there is no room.
void reportText(const MenuItem &item, MENUITEMINFOA &info)
{
    if (info.dwTypeData && info.cch)
        info.cch = copyItemText(item, info.dwTypeData, info.cch);
    else
        info.cch = static_cast<UINT>(item.text.size());
}

void reportItem(const MenuItem &item, MENUITEMINFOA &info)
{
    if (info.fMask & MIIM_TYPE) {
        info.fType = item.type;
        // A separator keeps the caller's buffer and gives only the length of any text.
        if (item.isSeparator())
            info.cch = static_cast<UINT>(item.text.size());
        else
            reportText(item, info);
    }
    if (info.fMask & MIIM_FTYPE)
        info.fType = item.type;
    if (info.fMask & MIIM_STRING)
        reportText(item, info);
    if (info.fMask & MIIM_STATE)
        info.fState = item.state;
    if (info.fMask & MIIM_ID)
        info.wID = item.id;
    if (info.fMask & MIIM_SUBMENU)
        info.hSubMenu = item.submenu;
    if (info.fMask & MIIM_DATA)
        info.dwItemData = item.data;
    if (info.fMask & MIIM_CHECKMARKS) {
        info.hbmpChecked = nullptr;
        info.hbmpUnchecked = nullptr;
    }
    if ((info.fMask & MIIM_BITMAP) && info.cbSize == sizeof(MENUITEMINFOA))
        info.hbmpItem = nullptr;
}

}  // namespace

BOOL WINAPI InsertMenuItemA(HMENU hMenu, UINT item, BOOL fByPosition, LPCMENUITEMINFOA lpmii)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!isValidRecord(lpmii) || asksForBitmaps(*lpmii)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return withMenu(hMenu, FALSE, [&](MenuTable &table, Menu &) -> BOOL {
            MenuItem newItem;
            if (!itemFromRecord(table, hMenu, *lpmii, newItem)) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return FALSE;
            }
            const MenuItemPlace place = insertionPlace(table, hMenu, item, fByPosition != FALSE);
            if (!place.menu) {
                SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
                return FALSE;
            }
            insertItem(place, std::move(newItem));
            return TRUE;
        });
    });
}

BOOL WINAPI GetMenuItemInfoA(HMENU hMenu, UINT item, BOOL fByPosition, LPMENUITEMINFOA lpmii)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!isValidRecord(lpmii)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return withMenu(hMenu, FALSE, [&](MenuTable &table, Menu &) -> BOOL {
            const MenuItemPlace place =
                table.locate(hMenu, item, fByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
            if (!place.menu) {
                SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
                return FALSE;
            }
            reportItem(place.item(), *lpmii);
            return TRUE;
        });
    });
}
