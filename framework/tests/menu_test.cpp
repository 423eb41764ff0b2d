// CMenu: the handle map, ownership of the menu, and the thin calls.
#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

TEST(CMenuObject, MapsItsMenuAndDestroysItWhenDestroyed)
{
    HMENU handle = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        handle = menu.m_hMenu;
        EXPECT_EQ(&menu, CMenu::FromHandle(handle));
        EXPECT_FALSE(menu.CreateMenu());  // holds one already
        EXPECT_TRUE(menu.IsKindOf(RUNTIME_CLASS(CMenu)));
    }
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(nullptr, CMenu::FromHandle(handle));
}

TEST(CMenuObject, AttachRefusesAMenuThatHasAnObjectAndDetachHandsItBack)
{
    const HMENU handle = CreateMenu();
    CMenu first;
    CMenu second;
    ASSERT_TRUE(first.Attach(handle));
    EXPECT_FALSE(second.Attach(handle));
    EXPECT_EQ(handle, first.Detach());
    EXPECT_EQ(nullptr, first.m_hMenu);
    EXPECT_EQ(nullptr, CMenu::FromHandle(handle));
    // A detached menu outlives the object.
    EXPECT_TRUE(IsMenu(handle));
    EXPECT_TRUE(second.Attach(handle));
    EXPECT_TRUE(second.DestroyMenu());
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_FALSE(second.DestroyMenu());
}

TEST(CMenuObject, SubmenusComeAsTheirObjectsOnly)
{
    CMenu menu;
    CMenu sub;
    ASSERT_TRUE(menu.CreateMenu());
    const HMENU plain = CreatePopupMenu();
    ASSERT_TRUE(sub.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(plain), "Plain"));
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu), "Mapped"));
    EXPECT_EQ(nullptr, menu.GetSubMenu(0));
    EXPECT_EQ(plain, ::GetSubMenu(menu, 0));
    EXPECT_EQ(&sub, menu.GetSubMenu(1));
    // The outer menu takes its submenus along; the object then holds a stale handle, which
    // its own destruction shrugs off.
    ASSERT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(IsMenu(sub.m_hMenu));
}

TEST(CMenuObject, ThinCallsReachTheMenu)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 2, "Second"));
    ASSERT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 1, "First"));
    ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    EXPECT_EQ(3u, menu.GetMenuItemCount());
    EXPECT_EQ(2u, menu.GetMenuItemID(1));

    CString text;
    EXPECT_EQ(6, menu.GetMenuString(2, text, MF_BYCOMMAND));
    EXPECT_STREQ("Second", text);
    EXPECT_EQ(0, menu.GetMenuString(9, text, MF_BYCOMMAND));
    EXPECT_STREQ("", text);

    EXPECT_EQ(0u, menu.EnableMenuItem(1, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_EQ(0u, menu.CheckMenuItem(0, MF_BYPOSITION | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_CHECKED), menu.GetMenuState(1, MF_BYCOMMAND));
    EXPECT_TRUE(menu.GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR);

    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    ASSERT_TRUE(menu.GetMenuItemInfo(1, &info, TRUE));
    EXPECT_EQ(2u, info.wID);

    ASSERT_TRUE(menu.RemoveMenu(2, MF_BYPOSITION));
    ASSERT_TRUE(menu.DeleteMenu(1, MF_BYCOMMAND));
    EXPECT_EQ(1u, menu.GetMenuItemCount());
}

}  // namespace
