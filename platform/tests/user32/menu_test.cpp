// Menus: items by position and by command, the item record, states, and what removal and
// destruction do to submenus.
#include <cstddef>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "windows.h"

namespace {

// A menu destroyed with its submenus when the test ends.
class ScopedMenu {
public:
    explicit ScopedMenu(HMENU menu = CreatePopupMenu()) : menu_(menu) {}
    ~ScopedMenu()
    {
        if (IsMenu(menu_))
            DestroyMenu(menu_);
    }
    ScopedMenu(const ScopedMenu &) = delete;
    ScopedMenu &operator=(const ScopedMenu &) = delete;
    operator HMENU() const { return menu_; }

private:
    HMENU menu_;
};

MENUITEMINFOA itemRecord(UINT mask, char *buffer = nullptr, UINT cch = 0)
{
    MENUITEMINFOA info;
    std::memset(&info, 0xcc, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.dwTypeData = buffer;
    info.cch = cch;
    return info;
}

std::string textAt(HMENU menu, UINT position)
{
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(Menus, CreatedEmptyAndGoneOnceDestroyed)
{
    const HMENU menu = CreateMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_TRUE(IsMenu(menu));
    EXPECT_EQ(0, GetMenuItemCount(menu));
    ASSERT_TRUE(DestroyMenu(menu));

    SetLastError(0xdeadbeef);
    EXPECT_FALSE(IsMenu(menu));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(-1, GetMenuItemCount(menu));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DestroyMenu(menu));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(AppendMenuA(menu, MF_STRING, 1, "A"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE), GetLastError());
    EXPECT_EQ(nullptr, GetSubMenu(menu, 0));
}

TEST(Menus, AppendedItemsReadBackAsWindowsReportsThem)
{
    ScopedMenu menu;
    ScopedMenu sub;
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 30, "Inner"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 10, "Open"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 8, "ignored"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_GRAYED | MF_CHECKED, 11, "Close"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 12, nullptr));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 13, ""));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(static_cast<HMENU>(sub)),
                            "More"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_DEFAULT | MF_HILITE, 14, "Hot"));

    const struct {
        const char *name;
        UINT state;  // GetMenuState by position
        UINT id;     // GetMenuItemID
        const char *text;
    } kItems[] = {
        {"text", MF_STRING, 10, "Open"},
        // Separators come grayed and keep their identifier but not the text given.
        {"separator", MF_SEPARATOR | MFS_GRAYED, 8, ""},
        {"grayed, checked", MF_GRAYED | MF_CHECKED, 11, "Close"},
        {"no text makes a separator", MF_SEPARATOR | MFS_GRAYED, 12, ""},
        {"empty text is text", MF_STRING, 13, ""},
        // A pop-up: its flags in the low byte, the submenu's item count in the high byte.
        {"pop-up", 0x100 | MF_POPUP, static_cast<UINT>(-1), "More"},
        // MF_DEFAULT is not taken from the item flags.
        {"hilite kept, default dropped", MF_HILITE, 14, "Hot"},
    };
    ASSERT_EQ(static_cast<int>(std::size(kItems)), GetMenuItemCount(menu));
    for (UINT i = 0; i < std::size(kItems); ++i) {
        SCOPED_TRACE(kItems[i].name);
        EXPECT_EQ(kItems[i].state, GetMenuState(menu, i, MF_BYPOSITION));
        EXPECT_EQ(kItems[i].id, GetMenuItemID(menu, static_cast<int>(i)));
        EXPECT_EQ(kItems[i].text, textAt(menu, i));
    }
    EXPECT_EQ(static_cast<HMENU>(sub), GetSubMenu(menu, 5));
    EXPECT_EQ(nullptr, GetSubMenu(menu, 0));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, 7, MF_BYPOSITION));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuItemID(menu, 7));
}

TEST(Menus, InsertGoesBeforeTheNamedItemAndPastTheEndAppends)
{
    ScopedMenu menu;
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "B"));
    ASSERT_TRUE(InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, 2, "A"));
    ASSERT_TRUE(InsertMenuA(menu, 99, MF_BYPOSITION | MF_STRING, 3, "D"));
    ASSERT_TRUE(InsertMenuA(menu, 3, MF_BYCOMMAND | MF_STRING, 4, "C"));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(InsertMenuA(menu, 77, MF_BYCOMMAND | MF_STRING, 5, "none"));
    EXPECT_FALSE(AppendMenuA(menu, MF_BITMAP, 6, "picture"));
    ASSERT_EQ(4, GetMenuItemCount(menu));
    for (UINT i = 0; i < 4; ++i)
        EXPECT_EQ(std::string(1, static_cast<char>('A' + i)), textAt(menu, i));
}

TEST(Menus, ByCommandSearchesSubmenusAndPrefersPlainItems)
{
    ScopedMenu menu;
    const HMENU sub = CreatePopupMenu();
    const UINT subId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub));
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 40, "Deep"));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));

    char text[32];
    EXPECT_EQ(4, GetMenuStringA(menu, 40, text, sizeof text, MF_BYCOMMAND));
    EXPECT_STREQ("Deep", text);
    // The pop-up item's identifier is its submenu's handle.
    EXPECT_EQ(3, GetMenuStringA(menu, subId, text, sizeof text, MF_BYCOMMAND));
    EXPECT_STREQ("Sub", text);
    // A plain item with that identifier, after the pop-up, is taken before it.
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, subId, "Plain"));
    EXPECT_EQ(5, GetMenuStringA(menu, subId, text, sizeof text, MF_BYCOMMAND));
    EXPECT_STREQ("Plain", text);

    // State, enabling and checking reach the item inside the submenu.
    EXPECT_EQ(static_cast<UINT>(MF_STRING), GetMenuState(menu, 40, MF_BYCOMMAND));
    EXPECT_EQ(0, EnableMenuItem(menu, 40, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_EQ(static_cast<DWORD>(0), CheckMenuItem(menu, 40, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_CHECKED), GetMenuState(sub, 0, MF_BYPOSITION));
    EXPECT_EQ(MF_GRAYED, EnableMenuItem(menu, 40, MF_BYCOMMAND | MF_ENABLED));
    EXPECT_EQ(static_cast<DWORD>(MF_CHECKED), CheckMenuItem(menu, 40, MF_UNCHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_STRING), GetMenuState(sub, 0, MF_BYPOSITION));

    EXPECT_EQ(-1, EnableMenuItem(menu, 41, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<DWORD>(-1), CheckMenuItem(menu, 41, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, 41, MF_BYCOMMAND));
    EXPECT_EQ(0, GetMenuStringA(menu, 41, text, sizeof text, MF_BYCOMMAND));
}

TEST(Menus, RemoveKeepsTheSubmenuDeleteDestroysIt)
{
    ScopedMenu menu;
    const HMENU kept = CreatePopupMenu();
    const HMENU dropped = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "Kept"));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(dropped), "Dropped"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 7, "Seven"));

    ASSERT_TRUE(RemoveMenu(menu, 0, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(kept));
    ASSERT_TRUE(DeleteMenu(menu, 0, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(dropped));
    ASSERT_TRUE(DeleteMenu(menu, 7, MF_BYCOMMAND));
    EXPECT_EQ(0, GetMenuItemCount(menu));
    EXPECT_FALSE(RemoveMenu(menu, 0, MF_BYPOSITION));
    EXPECT_FALSE(DeleteMenu(menu, 7, MF_BYCOMMAND));
    EXPECT_TRUE(DestroyMenu(kept));
}

TEST(Menus, DestroyTakesTheSubmenusAlong)
{
    const HMENU top = CreateMenu();
    const HMENU middle = CreatePopupMenu();
    const HMENU bottom = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(middle, MF_POPUP, reinterpret_cast<UINT_PTR>(bottom), "Bottom"));
    ASSERT_TRUE(AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(middle), "Middle"));
    EXPECT_EQ(static_cast<UINT>(0x100 | MF_POPUP), GetMenuState(top, 0, MF_BYPOSITION));
    ASSERT_TRUE(DestroyMenu(top));
    EXPECT_FALSE(IsMenu(middle));
    EXPECT_FALSE(IsMenu(bottom));
}

TEST(Menus, ASubmenuCannotHoldItsOwnMenu)
{
    ScopedMenu outer;
    const HMENU inner = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(outer, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "Inner"));
    EXPECT_FALSE(AppendMenuA(inner, MF_POPUP,
                             reinterpret_cast<UINT_PTR>(static_cast<HMENU>(outer)), "Loop"));
    EXPECT_FALSE(AppendMenuA(inner, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "Self"));
    EXPECT_EQ(0, GetMenuItemCount(inner));
}

TEST(MenuItemInfo, AcceptsTheCurrentAndTheOlderRecordOnly)
{
    ScopedMenu menu;
    ScopedMenu sub;
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(static_cast<HMENU>(sub)),
                            "Sub"));
    const struct {
        const char *name;
        UINT size;
        BOOL accepted;
    } kSizes[] = {
        {"current", sizeof(MENUITEMINFOA), TRUE},
        {"without hbmpItem", offsetof(MENUITEMINFOA, hbmpItem), TRUE},
        {"zero", 0, FALSE},
        {"one short", offsetof(MENUITEMINFOA, hbmpItem) - 1, FALSE},
        {"one over", sizeof(MENUITEMINFOA) + 1, FALSE},
    };
    for (const auto &row : kSizes) {
        SCOPED_TRACE(row.name);
        MENUITEMINFOA info = itemRecord(MIIM_SUBMENU);
        info.cbSize = row.size;
        SetLastError(0xdeadbeef);
        EXPECT_EQ(row.accepted, GetMenuItemInfoA(menu, 0, TRUE, &info));
        if (row.accepted) {
            EXPECT_EQ(static_cast<HMENU>(sub), info.hSubMenu);
        } else {
            EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        }
    }
#if !defined(_WIN64) && !defined(__LP64__)
    static_assert(offsetof(MENUITEMINFOA, hbmpItem) == 44);
#endif
}

TEST(MenuItemInfo, FailsForNoItemNoMenuAndMixedTypeFields)
{
    ScopedMenu menu;
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 5, "Five"));
    MENUITEMINFOA info = itemRecord(MIIM_ID);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetMenuItemInfoA(menu, 1, TRUE, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MENU_ITEM_NOT_FOUND), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetMenuItemInfoA(menu, 6, FALSE, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MENU_ITEM_NOT_FOUND), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetMenuItemInfoA(nullptr, 0, TRUE, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetMenuItemInfoA(menu, 0, TRUE, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    for (UINT mixed : {MIIM_FTYPE, MIIM_STRING, MIIM_BITMAP}) {
        SCOPED_TRACE(mixed);
        info = itemRecord(MIIM_TYPE | mixed);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(GetMenuItemInfoA(menu, 0, TRUE, &info));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    info = itemRecord(MIIM_ID);
    EXPECT_TRUE(GetMenuItemInfoA(menu, 5, FALSE, &info));
    EXPECT_EQ(5u, info.wID);
}

TEST(MenuItemInfo, TextFillsTheBufferAsWindowsDoes)
{
    ScopedMenu menu;
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "wine"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 2, nullptr));
    const struct {
        const char *name;
        UINT mask;
        UINT position;
        bool buffer;
        UINT cchIn;
        UINT cchOut;
        const char *text;  // the buffer afterwards
    } kCases[] = {
        {"string, room", MIIM_STRING, 0, true, 80, 4, "wine"},
        {"string, exact room", MIIM_STRING, 0, true, 5, 4, "wine"},
        {"string, one short", MIIM_STRING, 0, true, 4, 3, "win"},
        {"string, no room: length only", MIIM_STRING, 0, true, 0, 4, "XYZ"},
        {"string, no buffer: length only", MIIM_STRING, 0, false, 80, 4, nullptr},
        {"type on text", MIIM_TYPE, 0, true, 80, 4, "wine"},
        {"type on separator: buffer untouched", MIIM_TYPE, 1, true, 80, 0, "XYZ"},
        {"string on separator: empty", MIIM_STRING, 1, true, 80, 0, ""},
        {"nothing asked: nothing changed", 0, 0, true, 80, 80, "XYZ"},
        {"ftype only: text untouched", MIIM_FTYPE, 0, true, 80, 80, "XYZ"},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        char buffer[16] = "XYZ";
        MENUITEMINFOA info = itemRecord(row.mask, row.buffer ? buffer : nullptr, row.cchIn);
        ASSERT_TRUE(GetMenuItemInfoA(menu, row.position, TRUE, &info));
        EXPECT_EQ(row.cchOut, info.cch);
        EXPECT_EQ(row.buffer ? buffer : nullptr, info.dwTypeData);
        if (row.text) {
            EXPECT_STREQ(row.text, buffer);
        }
    }
}

TEST(MenuItemInfo, FillsOnlyTheFieldsAsked)
{
    ScopedMenu menu;
    ScopedMenu sub;
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP | MF_CHECKED,
                            reinterpret_cast<UINT_PTR>(static_cast<HMENU>(sub)), "Sub"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 0, nullptr));

    MENUITEMINFOA info = itemRecord(MIIM_SUBMENU);
    ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &info));
    EXPECT_EQ(static_cast<HMENU>(sub), info.hSubMenu);
    EXPECT_EQ(0xccccccccu, info.wID);
    EXPECT_EQ(0xccccccccu, info.fState);

    info = itemRecord(MIIM_ID | MIIM_STATE | MIIM_FTYPE);
    ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &info));
    EXPECT_EQ(static_cast<UINT>(reinterpret_cast<UINT_PTR>(static_cast<HMENU>(sub))), info.wID);
    EXPECT_EQ(static_cast<UINT>(MFS_CHECKED), info.fState);
    EXPECT_EQ(static_cast<UINT>(MFT_STRING), info.fType);

    info = itemRecord(MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU);
    ASSERT_TRUE(GetMenuItemInfoA(menu, 1, TRUE, &info));
    EXPECT_EQ(static_cast<UINT>(MFT_SEPARATOR), info.fType);
    EXPECT_EQ(static_cast<UINT>(MFS_GRAYED), info.fState);
    EXPECT_EQ(nullptr, info.hSubMenu);
}

TEST(MenuItemInfo, InsertBuildsTheItemTheRecordDescribes)
{
    ScopedMenu menu;
    ScopedMenu sub;
    char text[] = "Entry";
    MENUITEMINFOA info = itemRecord(MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_DATA, text);
    info.wID = 21;
    info.fState = MFS_CHECKED;
    info.dwItemData = 0x1234;
    ASSERT_TRUE(InsertMenuItemA(menu, 0, TRUE, &info));
    info = itemRecord(MIIM_SUBMENU | MIIM_STRING, text);
    info.hSubMenu = sub;
    ASSERT_TRUE(InsertMenuItemA(menu, 0, TRUE, &info));
    info = itemRecord(MIIM_ID);  // no text: a separator
    info.wID = 22;
    ASSERT_TRUE(InsertMenuItemA(menu, 21, FALSE, &info));

    EXPECT_EQ(static_cast<HMENU>(sub), GetSubMenu(menu, 0));
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR | MFS_GRAYED), GetMenuState(menu, 1, MF_BYPOSITION));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, 2, MF_BYPOSITION));
    MENUITEMINFOA back = itemRecord(MIIM_DATA | MIIM_ID);
    ASSERT_TRUE(GetMenuItemInfoA(menu, 2, TRUE, &back));
    EXPECT_EQ(21u, back.wID);
    EXPECT_EQ(static_cast<ULONG_PTR>(0x1234), back.dwItemData);

    const struct {
        const char *name;
        UINT mask;
        HMENU submenu;
    } kRefused[] = {
        {"submenu that is no menu", MIIM_SUBMENU, reinterpret_cast<HMENU>(999)},
        {"type mixed with string", MIIM_TYPE | MIIM_STRING, nullptr},
        {"bitmap", MIIM_BITMAP, nullptr},
    };
    for (const auto &row : kRefused) {
        SCOPED_TRACE(row.name);
        info = itemRecord(row.mask, text);
        info.fType = MFT_STRING;
        info.hSubMenu = row.submenu;
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(InsertMenuItemA(menu, 0, TRUE, &info));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    EXPECT_EQ(3, GetMenuItemCount(menu));
}

TEST(MenuStrings, CutToTheBufferOrGiveTheLength)
{
    ScopedMenu menu;
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "Settings"));
    char text[5] = "####";
    EXPECT_EQ(8, GetMenuStringA(menu, 0, nullptr, 0, MF_BYPOSITION));
    EXPECT_EQ(8, GetMenuStringA(menu, 0, text, 0, MF_BYPOSITION));
    EXPECT_STREQ("####", text);
    EXPECT_EQ(4, GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION));
    EXPECT_STREQ("Sett", text);
}

}  // namespace
