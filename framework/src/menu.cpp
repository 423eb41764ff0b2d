// CMenu and the map from menu handles to their objects.
#include <mutex>
#include <unordered_map>

#include "afxwin.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

// Process-wide, as menus are; never destroyed, since menus may go during static destruction.
struct MenuMap {
    std::mutex lock;
    std::unordered_map<HMENU, CMenu *> objects;
};

MenuMap &menuMap()
{
    static MenuMap &map = *new MenuMap;
    return map;
}

CMenu *menuObject(HMENU hMenu)
{
    MenuMap &map = menuMap();
    std::lock_guard guard(map.lock);
    const auto found = map.objects.find(hMenu);
    return found == map.objects.end() ? nullptr : found->second;
}

// False when the menu already has an object.
bool mapMenuObject(HMENU hMenu, CMenu *menu)
{
    MenuMap &map = menuMap();
    std::lock_guard guard(map.lock);
    return map.objects.emplace(hMenu, menu).second;
}

void unmapMenuObject(HMENU hMenu, const CMenu *menu)
{
    MenuMap &map = menuMap();
    std::lock_guard guard(map.lock);
    const auto found = map.objects.find(hMenu);
    if (found != map.objects.end() && found->second == menu)
        map.objects.erase(found);
}

}  // namespace

CMenu::CMenu() : m_hMenu(NULL) {}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu *CMenu::FromHandle(HMENU hMenu)
{
    return hMenu ? menuObject(hMenu) : NULL;
}

BOOL CMenu::attachNew(HMENU hMenu)
{
    if (!hMenu)
        return FALSE;
    if (!Attach(hMenu)) {
        ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::CreateMenu()
{
    return !m_hMenu && attachNew(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return !m_hMenu && attachNew(::CreatePopupMenu());
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu || !hMenu || !mapMenuObject(hMenu, this))
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    const HMENU hMenu = m_hMenu;
    if (hMenu)
        unmapMenuObject(hMenu, this);
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::GetMenuItemCount() const
{
    return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString &rString, UINT nFlags) const
{
    const int length = ::GetMenuStringA(m_hMenu, nIDItem, NULL, 0, nFlags);
    const int copied = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(length + 1),
                                        length + 1, nFlags);
    rString.ReleaseBuffer(copied);
    return copied;
}

CMenu *CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
