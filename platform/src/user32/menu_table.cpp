// The menu table: handles, lookups by position and by command, and submenu trees.
#include "kernel32/no_destructor.h"
#include "menu_table.h"

#include <algorithm>

namespace vks::detail {

namespace {

constexpr std::uintptr_t kHandleStep = 4;

}  // namespace

MenuTable &menuTable()
{
    static NoDestructor<MenuTable> table;
    return *table;
}

HMENU MenuTable::add(bool popup)
{
    const HMENU hmenu = reinterpret_cast<HMENU>(nextHandle_);
    nextHandle_ += kHandleStep;
    menus_[hmenu].popup = popup;
    return hmenu;
}

Menu *MenuTable::find(HMENU hmenu)
{
    const auto found = menus_.find(hmenu);
    return found == menus_.end() ? nullptr : &found->second;
}

MenuItemPlace MenuTable::locate(HMENU hmenu, UINT uItem, UINT flags)
{
    Menu *menu = find(hmenu);
    if (!menu)
        return {};
    if (flags & MF_BYPOSITION)
        return uItem < menu->items.size() ? MenuItemPlace{menu, uItem} : MenuItemPlace{};
    MenuItemPlace found;
    MenuItemPlace popupMatch;
    std::vector<HMENU> seen;
    return locateCommand(hmenu, uItem, found, popupMatch, seen) ? found : popupMatch;
}

// Like Windows: a plain item with the identifier, in this menu or below a pop-up item, is taken
// before any pop-up item whose own identifier matches.
bool MenuTable::locateCommand(HMENU hmenu, UINT id, MenuItemPlace &found,
                              MenuItemPlace &popupMatch, std::vector<HMENU> &seen)
{
    Menu *menu = find(hmenu);
    if (!menu || std::find(seen.begin(), seen.end(), hmenu) != seen.end())
        return false;
    seen.push_back(hmenu);
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem &item = menu->items[i];
        if (item.submenu) {
            if (locateCommand(item.submenu, id, found, popupMatch, seen))
                return true;
            if (item.id == id && !popupMatch.menu)
                popupMatch = {menu, i};
        } else if (item.id == id) {
            found = {menu, i};
            return true;
        }
    }
    return false;
}

std::vector<HMENU> MenuTable::tree(HMENU hmenu)
{
    std::vector<HMENU> menus;
    std::vector<HMENU> pending{hmenu};
    while (!pending.empty()) {
        const HMENU next = pending.back();
        pending.pop_back();
        const Menu *menu = find(next);
        if (!menu || std::find(menus.begin(), menus.end(), next) != menus.end())
            continue;
        menus.push_back(next);
        for (const MenuItem &item : menu->items)
            if (item.submenu)
                pending.push_back(item.submenu);
    }
    return menus;
}

}  // namespace vks::detail
