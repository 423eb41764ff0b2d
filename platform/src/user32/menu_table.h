// Internal: the process's menus, their items, and the lookups every menu call shares. One lock
// guards the table; no callback runs under it.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "windows.h"

namespace vks::detail {

struct MenuItem {
    UINT type = MF_STRING;  // MF_STRING or MF_SEPARATOR, with MF_MENUBREAK and MF_MENUBARBREAK
    UINT state = 0;         // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_HILITE
    UINT id = 0;
    HMENU submenu = nullptr;
    ULONG_PTR data = 0;
    std::string text;
    bool hasText = false;

    bool isSeparator() const { return (type & MF_SEPARATOR) != 0; }
};

struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
};

// An item found by position or by command: the menu that holds it (a submenu, for a command
// found below) and its position there.
struct MenuItemPlace {
    Menu *menu = nullptr;
    std::size_t position = 0;

    MenuItem &item() const { return menu->items[position]; }
};

class MenuTable {
public:
    std::mutex lock;

    // With the lock held.
    HMENU add(bool popup);
    Menu *find(HMENU hmenu);
    // Empty when there is no such item; MF_BYPOSITION in flags reads uItem as a position.
    MenuItemPlace locate(HMENU hmenu, UINT uItem, UINT flags);
    // hmenu and every submenu below it, each once.
    std::vector<HMENU> tree(HMENU hmenu);
    void erase(HMENU hmenu) { menus_.erase(hmenu); }

private:
    bool locateCommand(HMENU hmenu, UINT id, MenuItemPlace &found, MenuItemPlace &popupMatch,
                       std::vector<HMENU> &seen);

    // Handles step by 4 from a value that keeps them within 32 bits, as a pop-up item's
    // identifier carries its submenu's handle in a UINT.
    std::uintptr_t nextHandle_ = 0x20040;
    std::unordered_map<HMENU, Menu> menus_;
};

MenuTable &menuTable();

}  // namespace vks::detail
