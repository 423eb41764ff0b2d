// The "ComboBox" control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_fixtures.h"
#include "vkshost.h"
#include "windows.h"

namespace {

using vkstest::Note;

class ComboBoxControl : public vkstest::ControlTest {
protected:
    HWND combo(DWORD style, std::vector<const char *> texts = {}) const
    {
        const HWND control = child("ComboBox", "", style, kId, 100, 20);
        for (const char *text : texts)
            send(control, CB_ADDSTRING, 0, text);
        return control;
    }

    static LRESULT send(HWND control, UINT message, WPARAM wParam, const char *text)
    {
        return SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(text));
    }

    static std::string windowText(HWND control)
    {
        char buffer[64] = {};
        GetWindowTextA(control, buffer, sizeof buffer);
        return buffer;
    }

    static std::vector<std::string> texts(HWND control)
    {
        std::vector<std::string> all;
        const auto count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char buffer[64] = {};
            send(control, CB_GETLBTEXT, static_cast<WPARAM>(i), buffer);
            all.push_back(buffer);
        }
        return all;
    }
};

using Strings = std::vector<std::string>;

TEST_F(ComboBoxControl, SortStyleSortsAddedItemsOnly)
{
    const HWND sorted = combo(CBS_DROPDOWNLIST | CBS_SORT, {"b", "A", "c"});
    EXPECT_EQ((Strings{"A", "b", "c"}), texts(sorted));
    EXPECT_EQ(0, send(sorted, CB_INSERTSTRING, 0, "z"));
    EXPECT_EQ((Strings{"z", "A", "b", "c"}), texts(sorted));
    const HWND plain = combo(CBS_DROPDOWNLIST, {"b", "A"});
    EXPECT_EQ((Strings{"b", "A"}), texts(plain));
    EXPECT_TRUE(takeNotes().empty());
}

TEST_F(ComboBoxControl, BadIndexesAnswerCbErr)
{
    const HWND control = combo(CBS_DROPDOWNLIST, {"one", "two"});
    char buffer[16] = "untouched";
    const struct {
        const char *what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } kCases[] = {
        {"insert past the end", CB_INSERTSTRING, 3, reinterpret_cast<LPARAM>("x")},
        {"delete past the end", CB_DELETESTRING, 2, 0},
        {"text", CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(buffer)},
        {"text length", CB_GETLBTEXTLEN, static_cast<WPARAM>(-1), 0},
        {"item data", CB_GETITEMDATA, 2, 0},
        {"set item data", CB_SETITEMDATA, 2, 7},
        {"set current past the end", CB_SETCURSEL, 2, 0},
        {"find nothing", CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("x")},
        {"exact needs the whole text", CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
         reinterpret_cast<LPARAM>("tw")},
        {"select nothing", CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("x")},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(CB_ERR, SendMessageA(control, row.message, row.wParam, row.lParam));
    }
    EXPECT_STREQ("untouched", buffer);
    EXPECT_EQ(CB_ERR, SendMessageA(control, CB_GETCURSEL, 0, 0));
}

TEST_F(ComboBoxControl, SelectionShowsItsTextInEitherKind)
{
    for (DWORD kind : {DWORD{CBS_DROPDOWN}, DWORD{CBS_DROPDOWNLIST}}) {
        SCOPED_TRACE(kind);
        const HWND control = combo(kind | CBS_SORT, {"pear", "apple", "fig"});
        EXPECT_EQ(1, SendMessageA(control, CB_SETCURSEL, 1, 0));
        EXPECT_EQ("fig", windowText(control));
        EXPECT_EQ(2, send(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), "PE"));
        EXPECT_EQ("pear", windowText(control));
        EXPECT_EQ(0, send(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "Apple"));
        EXPECT_EQ(TRUE, SendMessageA(control, CB_SETITEMDATA, 2, 9));
        EXPECT_EQ(9, SendMessageA(control, CB_GETITEMDATA, 2, 0));
        EXPECT_EQ(2, SendMessageA(control, CB_DELETESTRING, 2, 0));
        EXPECT_EQ(CB_ERR, SendMessageA(control, CB_GETCURSEL, 0, 0));
        EXPECT_EQ("", windowText(control)) << "the shown item is gone";
        DestroyWindow(control);
    }
    EXPECT_TRUE(takeNotes().empty()) << "program calls never notify";
}

TEST_F(ComboBoxControl, DropDownKeepsItsTextInAnEditChild)
{
    const HWND control = combo(CBS_DROPDOWN, {"a"});
    const HWND edit = GetDlgItem(control, 1001);
    ASSERT_NE(nullptr, edit);
    EXPECT_TRUE(SetWindowTextA(control, "typed"));
    EXPECT_EQ("typed", windowText(edit));
    EXPECT_EQ(5, GetWindowTextLengthA(control));
    EXPECT_EQ(CB_ERR, SendMessageA(control, CB_GETCURSEL, 0, 0)) << "free text selects nothing";
    EXPECT_EQ(nullptr, GetDlgItem(combo(CBS_DROPDOWNLIST), 1001));
}

TEST_F(ComboBoxControl, ArrowKeysSelectAndNotify)
{
    const HWND control = combo(CBS_DROPDOWNLIST, {"a", "b"});
    takeNotes();
    SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, SendMessageA(control, CB_GETCURSEL, 0, 0));
    EXPECT_EQ("b", windowText(control));
    SendMessageA(control, WM_KEYDOWN, VK_UP, 0);
    const std::vector<Note> want(3, command(control, CBN_SELCHANGE));
    EXPECT_EQ(want, takeNotes()) << "nothing for the arrow past the end";
}

TEST_F(ComboBoxControl, FullBoxAnswersErrSpace)
{
    UINT limit = 1;
    VksHostSetListItemLimit(&limit);
    const HWND control = combo(CBS_DROPDOWNLIST, {"a"});
    EXPECT_EQ(CB_ERRSPACE, send(control, CB_ADDSTRING, 0, "b"));
    VksHostSetListItemLimit(nullptr);
    EXPECT_EQ(std::vector<Note>{command(control, static_cast<WORD>(CBN_ERRSPACE))}, takeNotes());
    EXPECT_EQ(1, send(control, CB_ADDSTRING, 0, "b"));
}

TEST_F(ComboBoxControl, ItemAndSelectionFieldHeightsFollowTheFont)
{
    const HWND control = combo(CBS_DROPDOWNLIST, {"one"});
    const HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   "MS Shell Dlg");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(13, SendMessageA(control, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(15, SendMessageA(control, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    DestroyWindow(control);
    DeleteObject(font);
}

}  // namespace
