// Menu tidying.
#include "ui/pre_init_menu.h"

#include <cstddef>

namespace {

// The item record without hbmpItem: 44 bytes on 32-bit Windows, which every version accepts.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
#if !defined(_WIN64) && !defined(__LP64__)
static_assert(kMenuItemInfoSize == 44);
#endif

// The submenu of the item at `position` into `submenu` (NULL for none); false when the item's
// information cannot be read.
bool readSubmenu(CMenu &menu, UINT position, HMENU &submenu)
{
    MENUITEMINFOA info{};
    info.cbSize = kMenuItemInfoSize;
    info.fMask = MIIM_SUBMENU;
    if (!menu.GetMenuItemInfo(position, &info, TRUE))
        return false;
    submenu = info.hSubMenu;
    return true;
}

// Through the submenu's own object when it has one, else a wrapper that lets the menu go
// untouched afterwards.
int tidySubmenu(HMENU submenu)
{
    if (CMenu *mapped = CMenu::FromHandle(submenu))
        return PreInitMenu(mapped, TRUE);
    CMenu wrapper;
    wrapper.Attach(submenu);
    const int result = PreInitMenu(&wrapper, TRUE);
    wrapper.Detach();
    return result;
}

bool hasItems(HMENU menu)
{
    return ::GetMenuItemCount(menu) > 0;
}

}  // namespace

int PreInitMenu(CMenu *pMenu, int recurse)
{
    if (pMenu->GetMenuItemCount() == 0)
        return 1;
    // Set while the last item kept is a separator, and at the start, so that a leading
    // separator goes.
    bool afterSeparator = true;
    // The count is unsigned, as the framework gives it: a bad menu's -1 lets the first read
    // fail, so the failure is reported.
    for (UINT position = 0; position < pMenu->GetMenuItemCount();) {
        HMENU submenu = NULL;
        if (!readSubmenu(*pMenu, position, submenu))
            return 0;
        if (submenu) {
            if (recurse && !tidySubmenu(submenu))
                return 0;
            if (!hasItems(submenu)) {
                pMenu->RemoveMenu(position, MF_BYPOSITION);
                continue;
            }
            afterSeparator = false;
        } else if (pMenu->GetMenuState(position, MF_BYPOSITION) & MF_SEPARATOR) {
            if (afterSeparator || position + 1 == pMenu->GetMenuItemCount()) {
                pMenu->RemoveMenu(position, MF_BYPOSITION);
                continue;
            }
            afterSeparator = true;
        } else {
            afterSeparator = false;
        }
        ++position;
    }
    return 1;
}
