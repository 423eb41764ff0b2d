// The messages behind the dialog keyboard, compared with the sequences Windows sends: Tab and
// Shift+Tab, arrows in a group, Enter, Escape and a mnemonic, each through IsDialogMessageA as a
// modeless dialog's loop runs it.
#include <gtest/gtest.h>

#include "message_spy.h"
#include "pump.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

using namespace vkstest;

constexpr int kKeyboard = 110;
constexpr int kFrom = 1101, kTo = 1102, kApply = 1103;

INT_PTR CALLBACK quietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

class DialogKeyboardSequence : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kKeyboard), nullptr,
                                    quietDialogProc, 0);
        ASSERT_NE(nullptr, dialog);
        ShowWindow(dialog, SW_SHOW);
        pumpUntilIdle({.dialog = dialog});
        spy.watch(dialog, parent);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            spy.watch(child);
        spy.ignore({WM_PAINT, WM_ERASEBKGND, WM_GETTEXT, WM_GETTEXTLENGTH, WM_GETFONT});
    }
    void TearDown() override
    {
        DestroyWindow(dialog);
        WindowTest::TearDown();
    }

    HWND item(int id) const { return GetDlgItem(dialog, id); }
    LPARAM itemL(int id) const { return reinterpret_cast<LPARAM>(item(id)); }
    WPARAM itemW(int id) const { return reinterpret_cast<WPARAM>(item(id)); }

    // The key goes down and up at the focus window of the moment, as the keyboard queues it.
    void press(WPARAM key)
    {
        keyDown(key);
        keyUp(key);
    }
    void keyDown(WPARAM key)
    {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        pumpUntilIdle({.dialog = dialog});
    }
    void keyUp(WPARAM key)
    {
        PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
        pumpUntilIdle({.dialog = dialog});
    }
    void type(char c)
    {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        pumpUntilIdle({.dialog = dialog});
    }

    void focus(int id)
    {
        SetFocus(item(id));
        spy.clear();
    }

    MessageSpy spy;
    HWND dialog = nullptr;
};

// Shorthands for the entries below.
constexpr unsigned kPosted = posted | wparam;
constexpr unsigned kSent = sent | wparam;
constexpr unsigned kToDialog = sent | parent | wparam | lparam;
constexpr unsigned kFromDialogProc = sent | parent | defwinproc | wparam | lparam;

TEST_F(DialogKeyboardSequence, TabMovesToTheNextFieldWithItsTextSelected)
{
    focus(kFrom);
    press(VK_TAB);
    const Msg kTab[] = {
        {WM_KEYDOWN, kPosted, VK_TAB},
        {WM_GETDLGCODE, kSent, VK_TAB},  // IsDialogMessageA asks the key's window
        {WM_NEXTDLGCTL, kToDialog, 0, 0},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // the next field, for its selection
        {EM_SETSEL, kSent | lparam, 0, -1},
        {WM_KILLFOCUS, kSent, itemW(kTo)},
        {WM_COMMAND, kFromDialogProc, MAKEWPARAM(kFrom, EN_KILLFOCUS), itemL(kFrom)},
        {WM_SETFOCUS, kSent, itemW(kFrom)},
        {WM_COMMAND, kFromDialogProc, MAKEWPARAM(kTo, EN_SETFOCUS), itemL(kTo)},
        {WM_GETDLGCODE, sent | optional},  // was the field left a push button?
        {WM_KEYUP, kPosted, VK_TAB},
        {WM_KEYUP, kSent, VK_TAB},
    };
    EXPECT_SEQUENCE(spy, kTab);
}

TEST_F(DialogKeyboardSequence, ShiftTabMovesBack)
{
    focus(kTo);
    keyDown(VK_SHIFT);
    press(VK_TAB);
    keyUp(VK_SHIFT);
    const Msg kShiftTab[] = {
        {WM_KEYDOWN, kPosted, VK_SHIFT},
        {WM_GETDLGCODE, kSent, VK_SHIFT},
        {WM_KEYDOWN, kSent, VK_SHIFT},  // not the dialog's key: the field gets it
        {WM_KEYDOWN, kPosted, VK_TAB},
        {WM_GETDLGCODE, kSent, VK_TAB},
        {WM_NEXTDLGCTL, kToDialog, 1, 0},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {EM_SETSEL, kSent | lparam, 0, -1},
        {WM_KILLFOCUS, kSent, itemW(kFrom)},
        {WM_COMMAND, kFromDialogProc, MAKEWPARAM(kTo, EN_KILLFOCUS), itemL(kTo)},
        {WM_SETFOCUS, kSent, itemW(kTo)},
        {WM_COMMAND, kFromDialogProc, MAKEWPARAM(kFrom, EN_SETFOCUS), itemL(kFrom)},
        {WM_GETDLGCODE, sent | optional},
        {WM_KEYUP, kPosted, VK_TAB},
        {WM_KEYUP, kSent, VK_TAB},
        {WM_KEYUP, kPosted, VK_SHIFT},
        {WM_KEYUP, kSent, VK_SHIFT},
    };
    EXPECT_SEQUENCE(spy, kShiftTab);
}

TEST_F(DialogKeyboardSequence, ArrowsMoveWithinTheGroupAndTheDefaultLookFollows)
{
    focus(IDOK);
    keyDown(VK_UP);
    const Msg kUpToApply[] = {
        {WM_KEYDOWN, kPosted, VK_UP},
        {WM_GETDLGCODE, kSent, VK_UP},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // the previous control of the group: a radio?
        {WM_NEXTDLGCTL, kToDialog, itemW(kApply), 1},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {WM_KILLFOCUS, kSent, itemW(kApply)},
        {WM_SETFOCUS, kSent, itemW(IDOK)},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // OK, left: a push button
        {BM_SETSTYLE, kSent | lparam, BS_PUSHBUTTON, TRUE},
        {BM_SETSTYLE, kSent | lparam, BS_DEFPUSHBUTTON, TRUE},
    };
    EXPECT_SEQUENCE(spy, kUpToApply);
    keyUp(VK_UP);
    spy.clear();

    keyDown(VK_DOWN);
    const Msg kDownToOk[] = {
        {WM_KEYDOWN, kPosted, VK_DOWN},
        {WM_GETDLGCODE, kSent, VK_DOWN},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {WM_NEXTDLGCTL, kToDialog, itemW(IDOK), 1},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {WM_KILLFOCUS, kSent, itemW(IDOK)},
        {WM_SETFOCUS, kSent, itemW(kApply)},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {BM_SETSTYLE, kSent | lparam, BS_PUSHBUTTON, TRUE},
        {BM_SETSTYLE, kSent | lparam, BS_DEFPUSHBUTTON, TRUE},
    };
    EXPECT_SEQUENCE(spy, kDownToOk);
    EXPECT_EQ(item(IDOK), GetFocus());
}

TEST_F(DialogKeyboardSequence, EnterInAFieldPressesTheDefaultButtonAndEscapeCancels)
{
    focus(kTo);
    keyDown(VK_RETURN);
    const Msg kEnter[] = {
        {WM_KEYDOWN, kPosted, VK_RETURN},
        {WM_GETDLGCODE, kSent, VK_RETURN},
        {DM_GETDEFID, kToDialog, 0, 0},
        {WM_COMMAND, kToDialog, MAKEWPARAM(IDOK, BN_CLICKED), itemL(IDOK)},
    };
    EXPECT_SEQUENCE(spy, kEnter);
    keyUp(VK_RETURN);
    spy.clear();

    keyDown(VK_ESCAPE);
    const Msg kEscape[] = {
        {WM_KEYDOWN, kPosted, VK_ESCAPE},
        {WM_GETDLGCODE, kSent, VK_ESCAPE},
        {WM_COMMAND, kToDialog, MAKEWPARAM(IDCANCEL, BN_CLICKED), itemL(IDCANCEL)},
    };
    EXPECT_SEQUENCE(spy, kEscape);
}

TEST_F(DialogKeyboardSequence, AMnemonicFocusesTheFieldAfterItsLabelOrPressesItsButton)
{
    focus(IDCANCEL);
    type('t');  // "&To:" labels the second field
    const Msg kLabel[] = {
        {WM_CHAR, kPosted, 't'},
        {WM_GETDLGCODE, kSent, 't'},  // Cancel takes no characters
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // the label: a static
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // the field after it: no static
        {WM_NEXTDLGCTL, kToDialog, itemW(kTo), 1},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {EM_SETSEL, kSent | lparam, 0, -1},
        {WM_KILLFOCUS, kSent, itemW(kTo)},
        {WM_SETFOCUS, kSent, itemW(IDCANCEL)},
        {WM_COMMAND, kFromDialogProc, MAKEWPARAM(kTo, EN_SETFOCUS), itemL(kTo)},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // Cancel, left
        {DM_GETDEFID, kFromDialogProc, 0, 0},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},  // OK keeps its look
    };
    EXPECT_SEQUENCE(spy, kLabel);
    EXPECT_EQ(item(kTo), GetFocus());

    focus(IDCANCEL);
    type('A');  // "&Apply", in either case
    const Msg kButton[] = {
        {WM_CHAR, kPosted, 'A'},
        {WM_GETDLGCODE, kSent, 'A'},
        {WM_GETDLGCODE, kSent | lparam, 0, 0},
        {BM_CLICK, kSent | lparam, 0, 0},
        {WM_LBUTTONDOWN, sent | defwinproc},
        {WM_LBUTTONUP, sent | defwinproc},
        {WM_COMMAND, kToDialog, MAKEWPARAM(kApply, BN_CLICKED), itemL(kApply)},
    };
    EXPECT_SEQUENCE(spy, kButton);
    EXPECT_EQ(item(IDCANCEL), GetFocus()) << "a push button's mnemonic presses it in place";

    focus(IDCANCEL);
    type('q');  // no control's mnemonic: Cancel gets the character
    const Msg kNone[] = {
        {WM_CHAR, kPosted, 'q'},
        {WM_GETDLGCODE, kSent, 'q'},
        {WM_CHAR, kSent, 'q'},
    };
    EXPECT_SEQUENCE(spy, kNone);
}

TEST(MessageSpy, ShowsBothWholeSequencesWhereTheyPart)
{
    const std::vector<Msg> seen = {{WM_KEYDOWN, posted | wparam, VK_TAB},
                                   {WM_SETFOCUS, sent | wparam, 0}};
    const Msg kExpected[] = {{WM_KEYDOWN, posted | wparam, VK_TAB},
                             {WM_GETDLGCODE, sent | optional},
                             {WM_KILLFOCUS, sent}};
    const ::testing::AssertionResult result = sequenceMatches(kExpected, seen);
    ASSERT_FALSE(result);
    const std::string text = result.message();
    EXPECT_NE(std::string::npos, text.find("expected entry 2, seen entry 1")) << text;
    EXPECT_NE(std::string::npos, text.find("->  2 { WM_KILLFOCUS, sent, 0x0, 0x0 }")) << text;
    EXPECT_NE(std::string::npos, text.find("->  1 { WM_SETFOCUS, sent|wparam, 0x0, 0x0 }")) << text;
    EXPECT_NE(std::string::npos, text.find(" 0 { WM_KEYDOWN, posted|wparam, 0x9, 0x0 }")) << text;
}

TEST(MessageSpy, SkipsOptionalEntriesAndComparesOnlyTheAskedParameters)
{
    const std::vector<Msg> seen = {{WM_GETDLGCODE, sent | wparam | lparam, VK_TAB, 1234},
                                   {WM_KEYUP, sent | wparam | lparam | defwinproc, VK_TAB, 5}};
    const struct {
        const char *name;
        std::vector<Msg> expected;
        bool matches;
    } rows[] = {
        {"lParam not asked",
         {{WM_GETDLGCODE, sent | wparam, VK_TAB}, {WM_KEYUP, sent | defwinproc}},
         true},
        {"optional skipped",
         {{WM_SETFOCUS, sent | optional},
          {WM_GETDLGCODE, sent},
          {WM_KEYUP, sent | defwinproc},
          {WM_CHAR, sent | optional}},
         true},
        {"wrong wParam",
         {{WM_GETDLGCODE, sent | wparam, VK_RETURN}, {WM_KEYUP, sent | defwinproc}},
         false},
        {"defwinproc missing", {{WM_GETDLGCODE, sent}, {WM_KEYUP, sent}}, false},
        {"posted is not sent", {{WM_GETDLGCODE, posted}, {WM_KEYUP, sent | defwinproc}}, false},
        {"one short", {{WM_GETDLGCODE, sent}}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.matches, static_cast<bool>(sequenceMatches(row.expected, seen)));
    }
}

}  // namespace
