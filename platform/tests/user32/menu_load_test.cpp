// Menus made from templates: LoadMenuA reads a module's MENU and MENUEX resources, and
// LoadMenuIndirectA a template in memory, as Windows reads them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "windows.h"

namespace {

constexpr int kClassicMenu = 500, kExtendedMenu = 501;  // resource_kinds.rc

struct Item {
    UINT type, state, id;
    std::string text;
    bool submenu;
};

std::vector<Item> itemsOf(HMENU menu)
{
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[32] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info));
        items.push_back({info.fType, info.fState, info.hSubMenu ? 0u : info.wID, text, info.hSubMenu != nullptr});
    }
    return items;
}

void expectItems(const std::vector<Item> &expected, HMENU menu)
{
    const std::vector<Item> items = itemsOf(menu);
    ASSERT_EQ(expected.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].type, items[i].type);
        EXPECT_EQ(expected[i].state, items[i].state);
        EXPECT_EQ(expected[i].id, items[i].id);
        EXPECT_EQ(expected[i].text, items[i].text);
        EXPECT_EQ(expected[i].submenu, items[i].submenu);
    }
}

}  // namespace

TEST(LoadMenu, ReadsAMenuResourceWithItsOptions)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kClassicMenu));
    ASSERT_NE(nullptr, menu);
    expectItems({{MF_STRING, MF_ENABLED, 0, "&File", true},
                 {MF_RIGHTJUSTIFY, MF_CHECKED, 102, "&Help", false}},
                menu);
    // A separator is grayed, as Windows reports it.
    expectItems({{MF_STRING, MF_ENABLED, 100, "&Open", false},
                 {MF_SEPARATOR, MFS_GRAYED, 0, "", false},
                 {MF_STRING, MF_GRAYED, 101, "E&xit", false}},
                GetSubMenu(menu, 0));
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST(LoadMenu, ReadsAMenuExResourceWithItsTypesAndStates)
{
    HMENU menu = LoadMenuA(nullptr, MAKEINTRESOURCEA(kExtendedMenu));
    ASSERT_NE(nullptr, menu);
    expectItems({{MFT_STRING, MFS_ENABLED, 0, "&View", true},
                 {MFT_RIGHTJUSTIFY, MFS_ENABLED, 203, "Right", false}},
                menu);
    expectItems({{MFT_RADIOCHECK, MFS_CHECKED, 201, "&Large", false},
                 {MFT_SEPARATOR, MFS_GRAYED, 0, "", false},
                 {MFT_STRING, MFS_DEFAULT, 202, "&Default", false}},
                GetSubMenu(menu, 0));
    EXPECT_TRUE(DestroyMenu(menu));
}

// The template and the answers Wine's conformance tests record from Windows: an item without
// text is a separator, whatever its flags; MF_END marks the last item and is not kept.
TEST(LoadMenuIndirect, ReadsATemplateInMemoryAsWindowsDoes)
{
    const WORD menuTemplate[] = {0, 0,                                    // version, offset
                                 MF_STRING, 1, 'F', 0,
                                 MF_STRING, 2, 0,
                                 MF_SEPARATOR, 3, 0,
                                 MF_STRING | MF_GRAYED | MF_END, 5, 'E', 0};
    HMENU menu = LoadMenuIndirectA(menuTemplate);
    ASSERT_NE(nullptr, menu);
    expectItems({{MF_STRING, MF_ENABLED, 1, "F", false},
                 {MF_SEPARATOR, MF_GRAYED | MF_DISABLED, 2, "", false},
                 {MF_SEPARATOR, MF_GRAYED | MF_DISABLED, 3, "", false},
                 {MF_STRING, MF_GRAYED, 5, "E", false}},
                menu);
    DestroyMenu(menu);
}

TEST(LoadMenu, FailsWithWindowsErrors)
{
    const WORD otherVersion[] = {2, 0, MF_END, 1, 'x', 0};
    const WORD ownerDrawn[] = {0, 0, MF_OWNERDRAW | MF_END, 1, 'x', 0};
    const struct {
        const char *name;
        HMENU (*load)();
        DWORD error;
    } rows[] = {
        {"no such menu", [] { return LoadMenuA(nullptr, MAKEINTRESOURCEA(999)); },
         ERROR_RESOURCE_NAME_NOT_FOUND},
        {"a null template", [] { return LoadMenuIndirectA(nullptr); }, ERROR_INVALID_PARAMETER},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, row.load());
        EXPECT_EQ(row.error, GetLastError());
    }
    for (const WORD *bad : {otherVersion, ownerDrawn}) {
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, LoadMenuIndirectA(bad));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}
