// Internal: runs a menu call's body under the menu table's lock, with the Windows error for a
// bad menu.
#pragma once

#include "menu_table.h"

namespace vks::detail {

// `body(table, menu)` with the lock held; `failure` with ERROR_INVALID_MENU_HANDLE when hmenu
// names no menu.
template <class Result, class Body>
Result withMenu(HMENU hmenu, Result failure, Body &&body)
{
    MenuTable &table = menuTable();
    std::lock_guard guard(table.lock);
    Menu *menu = table.find(hmenu);
    if (!menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return failure;
    }
    return body(table, *menu);
}

// The item's text into a caller's buffer of `size` bytes: at most size - 1 bytes and a NUL;
// returns the bytes copied. Nothing is written when the buffer is null or its size 0.
UINT copyItemText(const MenuItem &item, LPSTR buffer, UINT size);

// With the lock held. A submenu that is, or holds, the menu it would go into would make the
// tree a loop.
bool wouldLoop(MenuTable &table, HMENU menu, HMENU submenu);
// Where a new item goes in hMenu (a menu): before the item uPosition names, or at the end for a
// position past the last item (by command: -1). Empty when a command names no item.
MenuItemPlace insertionPlace(MenuTable &table, HMENU hMenu, UINT uPosition, bool byPosition);
// Inserts at the place; an item with no text becomes a separator, grayed as Windows shows it.
void insertItem(const MenuItemPlace &place, MenuItem item);

}  // namespace vks::detail
