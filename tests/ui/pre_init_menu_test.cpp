// PreInitMenu: the menu tidying of the product's menus, on menus written in a short notation.
#include <string>

#include <gtest/gtest.h>

#include "ui/pre_init_menu.h"

namespace {

// Menus written as space-separated items: "-" a separator, "[...]" a submenu with its items,
// anything else a text item.
void appendItems(HMENU menu, const std::string &notation, std::size_t &at)
{
    while (at < notation.size() && notation[at] != ']') {
        if (notation[at] == ' ') {
            ++at;
        } else if (notation[at] == '[') {
            const HMENU submenu = CreatePopupMenu();
            ++at;
            appendItems(submenu, notation, at);
            ++at;  // ']'
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), "sub");
        } else if (notation[at] == '-') {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            ++at;
        } else {
            const std::size_t end = notation.find_first_of(" []", at);
            const std::string text = notation.substr(at, end - at);
            AppendMenuA(menu, MF_STRING, 100, text.c_str());
            at = end == std::string::npos ? notation.size() : end;
        }
    }
}

HMENU menuOf(const std::string &notation)
{
    const HMENU menu = CreatePopupMenu();
    std::size_t at = 0;
    appendItems(menu, notation, at);
    return menu;
}

std::string notationOf(HMENU menu)
{
    std::string notation;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (!notation.empty())
            notation += ' ';
        if (const HMENU submenu = GetSubMenu(menu, i)) {
            notation += '[' + notationOf(submenu) + ']';
        } else if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) {
            notation += '-';
        } else {
            char text[32] = "";
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            notation += text;
        }
    }
    return notation;
}

TEST(PreInitMenu, TidiesSeparatorsAndEmptySubmenus)
{
    const struct {
        const char *name;
        const char *before;
        int recurse;
        const char *after;
    } kCases[] = {
        {"the product's case", "- A - - [] B", 0, "A - B"},
        {"the product's case, recursing", "- A - - [] B", 1, "A - B"},
        {"an empty menu", "", 1, ""},
        {"separators only", "- - -", 0, ""},
        {"a last separator goes", "A B -", 0, "A B"},
        {"a separator made last by a later removal stays", "A - []", 0, "A -"},
        {"so does one before a doubled last separator", "A - -", 0, "A -"},
        {"a submenu clears the mark", "A - [x] - B", 0, "A - [x] - B"},
        {"without recursion a submenu is left as it is", "A [- x - -] B", 0, "A [- x - -] B"},
        {"recursion tidies the submenu first", "A [- x -] B", 1, "A [x] B"},
        {"a submenu tidied empty goes", "A - [- -] B", 1, "A - B"},
        {"but stays when not tidied", "A - [- -] B", 0, "A - [- -] B"},
        {"recursion reaches every level", "[[- [] y -] -] z", 1, "[[y]] z"},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        CMenu menu;
        ASSERT_TRUE(menu.Attach(menuOf(row.before)));
        ASSERT_EQ(row.before, notationOf(menu));
        EXPECT_EQ(1, PreInitMenu(&menu, row.recurse));
        EXPECT_EQ(row.after, notationOf(menu));
    }
}

TEST(PreInitMenu, KeepsAnEmptySubmenuAliveWhenItTakesItOut)
{
    CMenu menu;
    ASSERT_TRUE(menu.Attach(menuOf("A")));
    const HMENU empty = CreatePopupMenu();
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(empty), "empty"));
    EXPECT_EQ(1, PreInitMenu(&menu, 1));
    EXPECT_EQ("A", notationOf(menu));
    EXPECT_TRUE(IsMenu(empty));
    DestroyMenu(empty);
}

TEST(PreInitMenu, TidiesASubmenuThroughItsOwnObject)
{
    CMenu menu;
    CMenu sub;
    ASSERT_TRUE(menu.Attach(menuOf("A")));
    ASSERT_TRUE(sub.Attach(menuOf("- x -")));
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu), "sub"));
    EXPECT_EQ(1, PreInitMenu(&menu, 1));
    EXPECT_EQ("A [x]", notationOf(menu));
    EXPECT_EQ(&sub, CMenu::FromHandle(sub.m_hMenu));
}

TEST(PreInitMenu, FailsWhenAnItemCannotBeRead)
{
    CMenu gone;
    const HMENU destroyed = menuOf("A - B");
    ASSERT_TRUE(gone.Attach(destroyed));
    DestroyMenu(destroyed);
    EXPECT_EQ(0, PreInitMenu(&gone, 0));
    gone.Detach();

    // A submenu destroyed under its item: the recursion cannot read it.
    CMenu menu;
    ASSERT_TRUE(menu.Attach(menuOf("A [x] B")));
    DestroyMenu(GetSubMenu(menu, 1));
    EXPECT_EQ(0, PreInitMenu(&menu, 1));
    // Without recursion the stale submenu counts as empty and goes.
    EXPECT_EQ(1, PreInitMenu(&menu, 0));
    EXPECT_EQ("A B", notationOf(menu));
}

}  // namespace
