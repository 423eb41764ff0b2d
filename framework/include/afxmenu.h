// afxmenu.h: CMenu, the framework's object over a menu handle. Included by afxwin.h.
#pragma once

#include "afx.h"

class AFX_CORE_CLASS CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu();
    // Destroys a menu still attached, with its submenus.
    ~CMenu() override;
    CMenu(const CMenu &) = delete;
    CMenu &operator=(const CMenu &) = delete;

    HMENU m_hMenu;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    // The object attached to the menu; NULL for a menu without one (no temporary wrappers are
    // made, as for windows).
    static CMenu *FromHandle(HMENU hMenu);

    // Make a menu and attach it; FALSE when the object already holds one.
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // Maps a menu to this object; FALSE when the object holds a menu or the menu has an object.
    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL DestroyMenu();

    // The platform calls of the same names on this menu.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = NULL);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCSTR lpszNewItem = NULL);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    // (UINT)-1 for a bad menu.
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString &rString, UINT nFlags) const;
    // The object of the submenu at nPos (FromHandle): NULL for no submenu or one without an
    // object; ::GetSubMenu gives the handle.
    CMenu *GetSubMenu(int nPos) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);

private:
    BOOL attachNew(HMENU hMenu);
};
