// The "Edit" control.
#include <gtest/gtest.h>

#include <string>

#include "control_fixtures.h"
#include "windows.h"

namespace {

using vkstest::Note;

class EditControl : public vkstest::ControlTest {
protected:
    HWND edit(const char *text = "", DWORD style = 0) const { return child("Edit", text, style); }

    static std::string text(HWND control)
    {
        char buffer[64] = {};
        GetWindowTextA(control, buffer, sizeof buffer);
        return buffer;
    }

    static void type(HWND control, const std::string &keys)
    {
        for (char key : keys)
            SendMessageA(control, WM_CHAR, static_cast<unsigned char>(key), 0);
    }

    static std::pair<DWORD, DWORD> selection(HWND control)
    {
        DWORD start = 0xdeadbeef;
        DWORD end = 0xdeadbeef;
        const LRESULT packed = SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(MAKELONG(start, end), packed);
        return {start, end};
    }

    std::vector<Note> changed(HWND control) const
    {
        return {command(control, EN_UPDATE), command(control, EN_CHANGE)};
    }
};

TEST_F(EditControl, SettingTheTextNotifiesUpdateThenChangeButCreatingDoesNot)
{
    const HWND control = edit("start");
    ASSERT_NE(nullptr, control);
    EXPECT_TRUE(takeNotes().empty());
    EXPECT_EQ(5, GetWindowTextLengthA(control));

    SetLastError(0xdeadbeef);
    EXPECT_TRUE(SetWindowTextA(control, "hello"));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    EXPECT_EQ(changed(control), takeNotes());
    EXPECT_EQ("hello", text(control));
    EXPECT_EQ(5, SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{0}), selection(control));

    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(2, SendMessageA(control, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)));
    EXPECT_STREQ("he", small);
}

TEST_F(EditControl, SelectionIsClampedOrderedAndDroppedByMinusOne)
{
    const struct {
        const char *what;
        int start;
        int end;
        DWORD wantStart;
        DWORD wantEnd;
    } kCases[] = {
        {"all", 0, -1, 0, 5},
        {"inside", 2, 4, 2, 4},
        {"reversed", 4, 2, 2, 4},
        {"past the end", 3, 99, 3, 5},
        {"both past the end", 70, 80, 5, 5},
        {"caret", 1, 1, 1, 1},
        {"dropped keeps the end", -1, 0, 3, 3},
    };
    const HWND control = edit("hello");
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        SendMessageA(control, EM_SETSEL, 1, 3);
        SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(row.start), row.end);
        EXPECT_EQ(std::make_pair(row.wantStart, row.wantEnd), selection(control));
    }
    SendMessageA(control, EM_SETSEL, 1, 3);
    EXPECT_EQ(MAKELONG(1, 3), SendMessageA(control, EM_GETSEL, 0, 0)) << "without out-pointers";
    EXPECT_TRUE(takeNotes().empty());
}

TEST_F(EditControl, TypedCharactersReplaceTheSelectionAndNotify)
{
    const HWND control = edit("hello");
    SendMessageA(control, EM_SETSEL, 1, 4);
    type(control, "X");
    EXPECT_EQ("hXo", text(control));
    EXPECT_EQ(std::make_pair(DWORD{2}, DWORD{2}), selection(control));
    EXPECT_EQ(changed(control), takeNotes());

    type(control, "\b");
    EXPECT_EQ("ho", text(control));
    EXPECT_EQ(std::make_pair(DWORD{1}, DWORD{1}), selection(control));
    EXPECT_EQ(changed(control), takeNotes());

    SendMessageA(control, EM_SETSEL, 0, 0);
    type(control, "\b\x01");
    EXPECT_EQ("ho", text(control));
    EXPECT_TRUE(takeNotes().empty()) << "nothing to erase and a control character";
}

TEST_F(EditControl, StylesFilterTypedCharacters)
{
    const struct {
        const char *what;
        DWORD style;
        const char *initial;
        const char *keys;
        const char *want;
    } kCases[] = {
        {"number takes digits only", ES_NUMBER, "", "1a2-3 ", "123"},
        {"number still erases", ES_NUMBER, "", "12\b", "1"},
        {"read-only takes nothing", ES_READONLY, "x", "ab\b", "x"},
        {"plain takes everything printable", 0, "", "a1 -", "a1 -"},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND control = edit(row.initial, row.style);
        SendMessageA(control, EM_SETSEL, 1, 1);
        type(control, row.keys);
        EXPECT_EQ(row.want, text(control));
        DestroyWindow(control);
    }
}

TEST_F(EditControl, LimitStopsTypingButNotTheProgram)
{
    const HWND control = edit();
    EXPECT_EQ(30000, SendMessageA(control, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(control, EM_SETLIMITTEXT, 3, 0);
    EXPECT_EQ(3, SendMessageA(control, EM_GETLIMITTEXT, 0, 0));

    type(control, "ab");
    takeNotes();
    type(control, "c");
    EXPECT_EQ(changed(control), takeNotes()) << "filling the limit exactly is no overflow";
    type(control, "d");
    EXPECT_EQ("abc", text(control));
    EXPECT_EQ(std::vector<Note>{command(control, EN_MAXTEXT)}, takeNotes());

    // Typing over a selection frees its room first.
    SendMessageA(control, EM_SETSEL, 2, 3);
    type(control, "Z");
    EXPECT_EQ("abZ", text(control));

    EXPECT_TRUE(SetWindowTextA(control, "longer than three"));
    EXPECT_EQ("longer than three", text(control));
}

TEST_F(EditControl, LimitOfZeroMeansTheLargest)
{
    const struct {
        const char *what;
        DWORD style;
        WPARAM limit;
        LRESULT want;
    } kCases[] = {
        {"single line", 0, 0, 0x7FFFFFFE},
        {"multiline", ES_MULTILINE, 0, static_cast<LRESULT>(0xFFFFFFFFu)},
        {"single line past the largest", 0, 0xFFFFFFFF, 0x7FFFFFFE},
        {"given", 0, 12, 12},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND control = edit("", row.style);
        SendMessageA(control, EM_LIMITTEXT, row.limit, 0);
        EXPECT_EQ(row.want, SendMessageA(control, EM_GETLIMITTEXT, 0, 0));
        DestroyWindow(control);
    }
}

TEST_F(EditControl, ReplacingTheSelectionIsCutAtTheLimit)
{
    const HWND control = edit("ab");
    SendMessageA(control, EM_SETLIMITTEXT, 4, 0);
    SendMessageA(control, EM_SETSEL, 1, 1);
    SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_EQ("aXYb", text(control));
    EXPECT_EQ(std::make_pair(DWORD{3}, DWORD{3}), selection(control));
    const std::vector<Note> kWant = {command(control, EN_UPDATE), command(control, EN_CHANGE),
                                     command(control, EN_MAXTEXT)};
    EXPECT_EQ(kWant, takeNotes());
}

TEST_F(EditControl, FocusChangesAreReported)
{
    const HWND control = edit();
    SendMessageA(control, WM_SETFOCUS, 0, 0);
    SendMessageA(control, WM_KILLFOCUS, 0, 0);
    const std::vector<Note> kWant = {command(control, EN_SETFOCUS),
                                     command(control, EN_KILLFOCUS)};
    EXPECT_EQ(kWant, takeNotes());
}

TEST_F(EditControl, AsksTheDialogForCharactersArrowsAndSelection)
{
    const struct {
        const char *what;
        DWORD style;
        LRESULT want;
    } kCases[] = {
        {"single line", 0, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS},
        {"multiline", ES_MULTILINE,
         DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.want, SendMessageA(edit("", row.style), WM_GETDLGCODE, 0, 0));
    }
}

TEST_F(EditControl, WorksWithoutAParent)
{
    const HWND control = CreateWindowExA(0, "edit", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                         nullptr, nullptr);
    ASSERT_NE(nullptr, control);
    type(control, "ok");
    EXPECT_EQ("ok", text(control));
    EXPECT_TRUE(DestroyWindow(control));
}

}  // namespace
