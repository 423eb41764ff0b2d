// The "ListBox" control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_fixtures.h"
#include "pump.h"
#include "vkshost.h"
#include "windows.h"

namespace {

using vkstest::Note;

// Lifts the host's item limit when a test ends.
class ScopedItemLimit {
public:
    explicit ScopedItemLimit(UINT limit) { VksHostSetListItemLimit(&limit); }
    ~ScopedItemLimit() { VksHostSetListItemLimit(nullptr); }
};

class ListBoxControl : public vkstest::ControlTest {
protected:
    void SetUp() override
    {
        vkstest::ControlTest::SetUp();
        // Clicks find only visible windows.
        ShowWindow(parent, SW_SHOWNOACTIVATE);
    }

    HWND box(DWORD style = 0, std::vector<const char *> texts = {}) const
    {
        const HWND control = child("ListBox", "", style, kId, 80, 65);
        for (const char *text : texts)
            SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        return control;
    }

    static std::string text(HWND control, int index)
    {
        char buffer[64] = {};
        const LRESULT length =
            SendMessageA(control, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
        return length < 0 ? "<err>" : buffer;
    }

    static std::vector<std::string> texts(HWND control)
    {
        std::vector<std::string> all;
        const auto count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            all.push_back(text(control, i));
        return all;
    }

    static LRESULT send(HWND control, UINT message, WPARAM wParam, const char *text)
    {
        return SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(text));
    }

    static void pump() { vkstest::pumpUntilIdle(); }

    // A press and release of the left button on the box's item line, as a user clicks.
    static void clickLine(HWND control, int line)
    {
        RECT r{};
        GetWindowRect(control, &r);
        const int y = r.top + line * 13 + 6;
        VksHostMouseButton(r.left + 5, y, WM_LBUTTONDOWN);
        VksHostMouseButton(r.left + 5, y, WM_LBUTTONUP);
        pump();
    }
};

using Strings = std::vector<std::string>;

TEST_F(ListBoxControl, AddSortsOnlyWithTheSortStyleAndInsertNeverSorts)
{
    const struct {
        const char *what;
        DWORD style;
        std::vector<const char *> added;
        Strings want;
    } kCases[] = {
        {"sorted ignores case", LBS_SORT, {"b", "A", "c", "a2"}, {"A", "a2", "b", "c"}},
        {"unsorted keeps the order", 0, {"b", "A", "c"}, {"b", "A", "c"}},
        {"a prefix sorts first", LBS_SORT, {"abc", "ab", "B"}, {"ab", "abc", "B"}},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND control = box(row.style, row.added);
        EXPECT_EQ(row.want, texts(control));
        DestroyWindow(control);
    }

    const HWND sorted = box(LBS_SORT, {"b", "d"});
    EXPECT_EQ(1, send(sorted, LB_ADDSTRING, 0, "c"));
    EXPECT_EQ(0, send(sorted, LB_INSERTSTRING, 0, "z"));
    EXPECT_EQ(4, send(sorted, LB_INSERTSTRING, static_cast<WPARAM>(-1), "a"));
    EXPECT_EQ((Strings{"z", "b", "c", "d", "a"}), texts(sorted));
    EXPECT_TRUE(takeNotes().empty()) << "program calls never notify";
}

TEST_F(ListBoxControl, BadIndexesAnswerLbErr)
{
    const HWND control = box(0, {"one", "two"});
    char buffer[16] = "untouched";
    const struct {
        const char *what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } kCases[] = {
        {"insert past the end", LB_INSERTSTRING, 3, reinterpret_cast<LPARAM>("x")},
        {"insert below -1", LB_INSERTSTRING, static_cast<WPARAM>(-2),
         reinterpret_cast<LPARAM>("x")},
        {"delete past the end", LB_DELETESTRING, 2, 0},
        {"delete -1", LB_DELETESTRING, static_cast<WPARAM>(-1), 0},
        {"text", LB_GETTEXT, 2, reinterpret_cast<LPARAM>(buffer)},
        {"text length", LB_GETTEXTLEN, 5, 0},
        {"item data", LB_GETITEMDATA, 2, 0},
        {"set item data", LB_SETITEMDATA, 2, 7},
        {"selection state", LB_GETSEL, 2, 0},
        {"set current past the end", LB_SETCURSEL, 2, 0},
        {"find nothing", LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("x")},
        {"find exact prefix", LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
         reinterpret_cast<LPARAM>("on")},
        {"select nothing", LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("x")},
        {"single box: set selection", LB_SETSEL, TRUE, 0},
        {"single box: selection count", LB_GETSELCOUNT, 0, 0},
        {"single box: selected items", LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(buffer)},
        {"top past the end", LB_SETTOPINDEX, 2, 0},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(LB_ERR, SendMessageA(control, row.message, row.wParam, row.lParam));
    }
    EXPECT_STREQ("untouched", buffer);
    EXPECT_EQ((Strings{"one", "two"}), texts(control));
    EXPECT_EQ(LB_ERR, SendMessageA(control, LB_GETCURSEL, 0, 0));
}

TEST_F(ListBoxControl, TextsDataAndDeletionKeepTheirItems)
{
    const HWND control = box(LBS_SORT, {"pear", "apple", "fig"});
    EXPECT_EQ(TRUE, SendMessageA(control, LB_SETITEMDATA, 2, 42));
    EXPECT_EQ(0, SendMessageA(control, LB_GETITEMDATA, 0, 0)) << "new items carry 0";
    EXPECT_EQ(4, SendMessageA(control, LB_GETTEXTLEN, 2, 0));
    char buffer[16] = {};
    EXPECT_EQ(4, send(control, LB_GETTEXT, 2, buffer));
    EXPECT_STREQ("pear", buffer);

    EXPECT_EQ(2, SendMessageA(control, LB_DELETESTRING, 0, 0)) << "the count left";
    EXPECT_EQ(42, SendMessageA(control, LB_GETITEMDATA, 1, 0)) << "data moves with its item";
    EXPECT_EQ(0, SendMessageA(control, LB_RESETCONTENT, 0, 0));
    EXPECT_EQ(0, SendMessageA(control, LB_GETCOUNT, 0, 0));

    send(control, LB_ADDSTRING, 0, "b");
    EXPECT_EQ(0, send(control, LB_ADDSTRING, 0, nullptr)) << "no text sorts as an empty one";
    EXPECT_EQ(0, SendMessageA(control, LB_GETTEXTLEN, 0, 0));
}

TEST_F(ListBoxControl, FindsPrefixesOrWholeTextsAfterTheStartAndWraps)
{
    const HWND control = box(0, {"Alpha", "beta", "alphabet", "Beta"});
    const struct {
        const char *what;
        UINT message;
        int start;
        const char *text;
        LRESULT want;
    } kCases[] = {
        {"prefix from the top", LB_FINDSTRING, -1, "al", 0},
        {"prefix after the start", LB_FINDSTRING, 0, "ALPHA", 2},
        {"prefix wraps", LB_FINDSTRING, 2, "alpha", 0},
        {"start past the end searches all", LB_FINDSTRING, 9, "beta", 1},
        {"exact ignores case", LB_FINDSTRINGEXACT, -1, "BETA", 1},
        {"exact after the start", LB_FINDSTRINGEXACT, 1, "beta", 3},
        {"exact skips a longer text", LB_FINDSTRINGEXACT, -1, "alphab", LB_ERR},
        {"select moves the selection", LB_SELECTSTRING, 0, "alp", 2},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.want, send(control, row.message, static_cast<WPARAM>(row.start), row.text));
    }
    EXPECT_EQ(2, SendMessageA(control, LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(takeNotes().empty());
}

TEST_F(ListBoxControl, ASortedBoxFindsAmongEqualTextsAndAfterItsOrderIsBroken)
{
    // Shown as ALPHA, Alpha, alphabet, Beta, beta, delta, gamma: an added text goes before the
    // texts equal to it.
    const HWND control =
        box(LBS_SORT, {"delta", "Alpha", "beta", "alphabet", "Beta", "ALPHA", "gamma"});
    ASSERT_EQ((Strings{"ALPHA", "Alpha", "alphabet", "Beta", "beta", "delta", "gamma"}),
              texts(control));
    const struct {
        const char *what;
        UINT message;
        int start;
        const char *text;
        LRESULT want;
    } kSorted[] = {
        {"prefix from the top", LB_FINDSTRING, -1, "al", 0},
        {"prefix after the first match", LB_FINDSTRING, 0, "al", 1},
        {"prefix wraps past the last match", LB_FINDSTRING, 2, "al", 0},
        {"a longer prefix", LB_FINDSTRING, -1, "ALPHAB", 2},
        {"exact after an equal text", LB_FINDSTRINGEXACT, 0, "alpha", 1},
        {"exact wraps to the first equal text", LB_FINDSTRINGEXACT, 1, "alpha", 0},
        {"exact among two", LB_FINDSTRINGEXACT, 3, "BETA", 4},
        {"prefix from the last item wraps", LB_FINDSTRING, 6, "be", 3},
        {"start past the end searches all", LB_FINDSTRING, 9, "d", 5},
        {"no text sorts there", LB_FINDSTRING, -1, "z", LB_ERR},
        {"exact finds no prefix", LB_FINDSTRINGEXACT, -1, "alph", LB_ERR},
    };
    for (const auto &row : kSorted) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.want, send(control, row.message, static_cast<WPARAM>(row.start), row.text));
    }
    // An insertion at a chosen place does not sort, even in a sorted box.
    EXPECT_EQ(0, send(control, LB_INSERTSTRING, 0, "zulu"));
    const struct {
        const char *what;
        UINT message;
        int start;
        const char *text;
        LRESULT want;
    } kUnsorted[] = {
        {"the text out of order", LB_FINDSTRING, -1, "zu", 0},
        {"wrapping to it", LB_FINDSTRING, 0, "zu", 0},
        {"the others moved on by one", LB_FINDSTRING, -1, "al", 1},
        {"exact at the end", LB_FINDSTRINGEXACT, -1, "GAMMA", 7},
    };
    for (const auto &row : kUnsorted) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.want, send(control, row.message, static_cast<WPARAM>(row.start), row.text));
    }
    EXPECT_EQ(1, send(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), "alphA"));
    EXPECT_EQ(1, SendMessageA(control, LB_GETCURSEL, 0, 0));
}

TEST_F(ListBoxControl, SingleSelectionFollowsInsertionsAndDeletions)
{
    const HWND control = box(0, {"a", "b", "c"});
    EXPECT_EQ(1, SendMessageA(control, LB_SETCURSEL, 1, 0));
    EXPECT_EQ(1, SendMessageA(control, LB_GETSEL, 1, 0));
    EXPECT_EQ(0, SendMessageA(control, LB_GETSEL, 0, 0));
    send(control, LB_INSERTSTRING, 0, "first");
    EXPECT_EQ(2, SendMessageA(control, LB_GETCURSEL, 0, 0)) << "b moved down";
    SendMessageA(control, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(LB_ERR, SendMessageA(control, LB_GETCURSEL, 0, 0)) << "the selected item is gone";
    SendMessageA(control, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(LB_ERR, SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(-1), 0))
        << "clearing answers LB_ERR";
    EXPECT_EQ(LB_ERR, SendMessageA(control, LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(takeNotes().empty());
}

TEST_F(ListBoxControl, MultipleSelectionListsSelectedItemsInDisplayOrder)
{
    for (DWORD style : {DWORD{LBS_MULTIPLESEL}, DWORD{LBS_EXTENDEDSEL}}) {
        SCOPED_TRACE(style);
        const HWND control = box(style, {"a", "b", "c", "d"});
        EXPECT_EQ(LB_ERR, SendMessageA(control, LB_SETCURSEL, 1, 0));
        EXPECT_EQ(LB_OKAY, SendMessageA(control, LB_SETSEL, TRUE, 3));
        EXPECT_EQ(LB_OKAY, SendMessageA(control, LB_SETSEL, TRUE, 1));
        EXPECT_EQ(LB_ERR, SendMessageA(control, LB_SETSEL, TRUE, 4));
        EXPECT_EQ(2, SendMessageA(control, LB_GETSELCOUNT, 0, 0));
        EXPECT_EQ(1, SendMessageA(control, LB_GETCURSEL, 0, 0)) << "the focused item";

        int selected[4] = {-7, -7, -7, -7};
        EXPECT_EQ(2, SendMessageA(control, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(selected)));
        EXPECT_EQ(1, selected[0]);
        EXPECT_EQ(3, selected[1]);
        EXPECT_EQ(1, SendMessageA(control, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(selected)));
        EXPECT_EQ(-7, selected[2]) << "nothing past the room given";
        EXPECT_EQ(LB_ERR, SendMessageA(control, LB_GETSELITEMS, 4, 0)) << "no buffer";

        EXPECT_EQ(LB_OKAY, SendMessageA(control, LB_SETSEL, TRUE, -1));
        EXPECT_EQ(4, SendMessageA(control, LB_GETSELCOUNT, 0, 0));
        EXPECT_EQ(LB_OKAY, SendMessageA(control, LB_SETSEL, FALSE, -1));
        EXPECT_EQ(0, SendMessageA(control, LB_GETSELCOUNT, 0, 0));
        DestroyWindow(control);
    }
    EXPECT_TRUE(takeNotes().empty());
}

TEST_F(ListBoxControl, FullBoxAnswersErrSpaceAndTellsItsParent)
{
    ScopedItemLimit limit(2);
    const HWND control = box(LBS_SORT, {"a", "b"});
    EXPECT_EQ(LB_ERRSPACE, send(control, LB_ADDSTRING, 0, "c"));
    EXPECT_EQ(LB_ERRSPACE, send(control, LB_INSERTSTRING, 0, "c"));
    const std::vector<Note> want{command(control, static_cast<WORD>(LBN_ERRSPACE)),
                                 command(control, static_cast<WORD>(LBN_ERRSPACE))};
    EXPECT_EQ(want, takeNotes());
    EXPECT_EQ(LB_ERR, send(control, LB_INSERTSTRING, 5, "c")) << "a bad index is no lack of space";
    EXPECT_EQ(2, SendMessageA(control, LB_GETCOUNT, 0, 0));
}

TEST_F(ListBoxControl, UserSelectionNotifiesOnlyWithNotifyStyle)
{
    const struct {
        const char *what;
        DWORD style;
        bool notifies;
    } kCases[] = {
        {"notify", LBS_NOTIFY, true},
        {"quiet", 0, false},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND control = box(row.style, {"a", "b", "c"});
        takeNotes();
        clickLine(control, 1);
        EXPECT_EQ(1, SendMessageA(control, LB_GETCURSEL, 0, 0));
        SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(2, SendMessageA(control, LB_GETCURSEL, 0, 0));
        SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(2, SendMessageA(control, LB_GETCURSEL, 0, 0)) << "stays on the last";
        SendMessageA(control, WM_KEYDOWN, VK_UP, 0);
        EXPECT_EQ(1, SendMessageA(control, LB_GETCURSEL, 0, 0));

        std::vector<Note> changes;
        for (int i = 0; i < 3 && row.notifies; ++i)
            changes.push_back(command(control, LBN_SELCHANGE));
        std::vector<Note> heard;
        for (const Note &note : takeNotes())
            if (HIWORD(note.wParam) == LBN_SELCHANGE)
                heard.push_back(note);
        EXPECT_EQ(changes, heard);
        DestroyWindow(control);
    }
}

TEST_F(ListBoxControl, ClickTogglesInAMultipleSelectionBox)
{
    const HWND control = box(LBS_MULTIPLESEL | LBS_NOTIFY, {"a", "b", "c"});
    clickLine(control, 0);
    clickLine(control, 2);
    EXPECT_EQ(2, SendMessageA(control, LB_GETSELCOUNT, 0, 0));
    clickLine(control, 0);
    EXPECT_EQ(0, SendMessageA(control, LB_GETSEL, 0, 0));
    EXPECT_EQ(1, SendMessageA(control, LB_GETSEL, 2, 0));
}

TEST_F(ListBoxControl, TopIndexStaysWithinTheItems)
{
    const HWND control = box(0, {"a", "b", "c"});
    EXPECT_EQ(0, SendMessageA(control, LB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(LB_OKAY, SendMessageA(control, LB_SETTOPINDEX, 2, 0));
    EXPECT_EQ(2, SendMessageA(control, LB_GETTOPINDEX, 0, 0));
    SendMessageA(control, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(1, SendMessageA(control, LB_GETTOPINDEX, 0, 0));
}

TEST_F(ListBoxControl, ItemsAreAsHighAsTheFontsCell)
{
    const HWND control = box(0, {"one", "two"});
    // Without WM_SETFONT the box draws with the system font.
    EXPECT_EQ(16, SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
    const HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   "MS Shell Dlg");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageA(control, WM_GETFONT, 0, 0));
    EXPECT_EQ(13, SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
    // A click on the second line of 13 pixels chooses the second item.
    RECT r{};
    GetWindowRect(control, &r);
    VksHostMouseButton(r.left + 5, r.top + 13 + 2, WM_LBUTTONDOWN);
    VksHostMouseButton(r.left + 5, r.top + 13 + 2, WM_LBUTTONUP);
    pump();
    EXPECT_EQ(1, SendMessageA(control, LB_GETCURSEL, 0, 0));
    DestroyWindow(control);
    DeleteObject(font);
}

}  // namespace
