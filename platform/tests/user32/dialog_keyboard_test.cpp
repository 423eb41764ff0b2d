// The dialog manager's keyboard: the initial focus, the tab and group orders, IsDialogMessageA's
// Tab, Shift+Tab, arrows, Enter and Escape, the default button's look following the focus, and
// the focus a dialog keeps over deactivation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_spy.h"
#include "pump.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

constexpr int kKeyboard = 110;
constexpr int kFrom = 1101, kTo = 1102, kApply = 1103, kFromLabel = 1110, kToLabel = 1111;

INT_PTR CALLBACK keyboardDialogProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, kFrom, "from");
        SetDlgItemTextA(dialog, kTo, "to");
        return TRUE;
    default:
        return FALSE;
    }
}

// Answers WM_GETDLGCODE with what the test says, and records the keys that reach it.
thread_local LRESULT wantedCode = 0;
thread_local std::vector<WPARAM> keysReceived;

LRESULT CALLBACK wantingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return wantedCode;
    if (message == WM_KEYDOWN)
        keysReceived.push_back(wParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class DialogKeyboard : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kKeyboard), nullptr,
                                    keyboardDialogProc, 0);
        ASSERT_NE(nullptr, dialog);
        ShowWindow(dialog, SW_SHOW);
        spy.watch(dialog, vkstest::parent);
    }
    void TearDown() override
    {
        DestroyWindow(dialog);
        WindowTest::TearDown();
    }

    HWND item(int id) const { return GetDlgItem(dialog, id); }

    // The key goes down and up at the focus window, through the queue and IsDialogMessageA, as
    // a dialog's message loop takes it.
    void press(WPARAM key, bool shift = false) const
    {
        const HWND target = GetFocus() ? GetFocus() : dialog;
        if (shift)
            PostMessageA(target, WM_KEYDOWN, VK_SHIFT, 0);
        PostMessageA(target, WM_KEYDOWN, key, 0);
        PostMessageA(target, WM_KEYUP, key, 0);
        if (shift)
            PostMessageA(target, WM_KEYUP, VK_SHIFT, 0);
        pump();
    }

    void pump() const { vkstest::pumpUntilIdle({.dialog = dialog, .translate = true}); }

    int focusId() const { return GetFocus() ? GetDlgCtrlID(GetFocus()) : 0; }

    // The push button that looks like the default one; 0 when none or several do.
    int defaultLookId() const
    {
        int found = 0;
        for (int id : {kApply, IDOK, IDCANCEL}) {
            const LONG type = GetWindowLongA(item(id), GWL_STYLE) & BS_TYPEMASK;
            if (type == BS_DEFPUSHBUTTON)
                found = found ? -1 : id;
        }
        return found;
    }

    // What the dialog saw of the commands and WM_NEXTDLGCTL since the last look.
    std::vector<vkstest::Msg> saw()
    {
        return vkstest::only(spy.take(), {WM_COMMAND, WM_NEXTDLGCTL});
    }

    // The button clicks the dialog saw since the last look.
    std::vector<vkstest::Msg> clicks()
    {
        std::vector<vkstest::Msg> kept;
        for (const vkstest::Msg &each : saw())
            if (each.message == WM_COMMAND && HIWORD(each.wParam) == BN_CLICKED)
                kept.push_back(each);
        return kept;
    }

    vkstest::MessageSpy spy;
    HWND dialog = nullptr;
};

TEST_F(DialogKeyboard, InitDialogAnsweringTrueFocusesTheFirstTabStopWithItsTextSelected)
{
    EXPECT_EQ(kFrom, focusId());
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, kFrom, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end);
    EXPECT_EQ(IDOK, defaultLookId());

    char text[8];
    EXPECT_EQ(4u, GetDlgItemTextA(dialog, kFrom, text, sizeof text));
    EXPECT_STREQ("from", text);
    EXPECT_EQ(2u, GetDlgItemTextA(dialog, kTo, text, 3)) << "cut to the buffer";
    EXPECT_STREQ("to", text);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, GetDlgItemTextA(dialog, 4242, text, sizeof text));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND), GetLastError());
    EXPECT_STREQ("", text) << "the buffer comes back empty";
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SetDlgItemTextA(dialog, 4242, "x"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND), GetLastError());
    EXPECT_EQ(0, SendDlgItemMessageA(dialog, 4242, WM_GETTEXTLENGTH, 0, 0));
}

TEST_F(DialogKeyboard, TabAndShiftTabWalkTheTabStopsAndTheDefaultLookFollows)
{
    const struct {
        const char *name;
        bool shift;
        int focus, defaultLook;
    } steps[] = {
        {"to the second field", false, kTo, IDOK},
        {"onto Apply, which looks default", false, kApply, kApply},
        {"onto OK", false, IDOK, IDOK},
        {"onto Cancel", false, IDCANCEL, IDCANCEL},
        {"wrapping to the first field", false, kFrom, IDOK},
        {"back, wrapping to Cancel", true, IDCANCEL, IDCANCEL},
        {"back to OK", true, IDOK, IDOK},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        press(VK_TAB, step.shift);
        EXPECT_EQ(step.focus, focusId());
        EXPECT_EQ(step.defaultLook, defaultLookId());
    }
    EXPECT_EQ(0, GetKeyState(VK_SHIFT) & 0x8000) << "Shift was released";
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageA(dialog, DM_GETDEFID, 0, 0))
        << "the look moves, the default identifier stays";
}

TEST_F(DialogKeyboard, OneTabIsOneNextControlRequestAndTheFieldsNotify)
{
    press(VK_TAB);
    constexpr unsigned kBoth = vkstest::wparam | vkstest::lparam;
    const vkstest::Msg kSequence[] = {
        {WM_NEXTDLGCTL, vkstest::sent | vkstest::parent | kBoth, 0, 0},
        {WM_COMMAND, vkstest::sent | vkstest::parent | vkstest::defwinproc | kBoth,
         MAKEWPARAM(kFrom, EN_KILLFOCUS), reinterpret_cast<LPARAM>(item(kFrom))},
        {WM_COMMAND, vkstest::sent | vkstest::parent | vkstest::defwinproc | kBoth,
         MAKEWPARAM(kTo, EN_SETFOCUS), reinterpret_cast<LPARAM>(item(kTo))},
    };
    EXPECT_TRUE(vkstest::sequenceMatches(kSequence, saw()));
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, kTo, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(2u, end) << "the field reached by Tab has its text selected";
}

TEST_F(DialogKeyboard, TheTabOrderIsTheZOrderOfVisibleEnabledTabStops)
{
    const struct {
        const char *name;
        int from;  // 0: no control
        BOOL previous;
        int expected;  // 0: none
    } rows[] = {
        {"first", 0, FALSE, kFrom},
        {"no control, backwards, finds nothing", 0, TRUE, 0},
        {"next", kFrom, FALSE, kTo},
        {"previous wraps", kFrom, TRUE, IDCANCEL},
        {"next wraps", IDCANCEL, FALSE, kFrom},
        {"a label is no tab stop but a start", kToLabel, FALSE, kTo},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HWND from = row.from ? item(row.from) : nullptr;
        const HWND expected = row.expected ? item(row.expected) : nullptr;
        EXPECT_EQ(expected, GetNextDlgTabItem(dialog, from, row.previous));
    }
    // Disabled and hidden controls are passed over.
    EnableWindow(item(kTo), FALSE);
    ShowWindow(item(kApply), SW_HIDE);
    EXPECT_EQ(item(IDOK), GetNextDlgTabItem(dialog, item(kFrom), FALSE));
    // Moving Cancel right after the first field moves it there in the tab order too.
    ASSERT_TRUE(SetWindowPos(item(IDCANCEL), item(kFrom), 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    press(VK_TAB);
    EXPECT_EQ(IDCANCEL, focusId());
    ASSERT_TRUE(SetWindowPos(item(kFrom), HWND_BOTTOM, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_EQ(item(kFrom), GetNextDlgTabItem(dialog, item(IDOK), FALSE));
    // The only tab stop left is its own next and previous one.
    EnableWindow(item(IDOK), FALSE);
    EnableWindow(item(IDCANCEL), FALSE);
    EXPECT_EQ(item(kFrom), GetNextDlgTabItem(dialog, item(kFrom), FALSE));
    EXPECT_EQ(item(kFrom), GetNextDlgTabItem(dialog, item(kFrom), TRUE));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, GetNextDlgTabItem(reinterpret_cast<HWND>(0x4321), nullptr, FALSE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(DialogKeyboard, GroupsRunFromOneGroupStyleToTheNext)
{
    // The labels start the groups: {From label, From} and {To label, To, Apply, OK, Cancel}.
    const struct {
        const char *name;
        int from;
        BOOL previous;
        int expected;
    } rows[] = {
        {"next in the group", kTo, FALSE, kApply},
        {"previous in the group", kApply, TRUE, kTo},
        {"wraps to the group's start", IDCANCEL, FALSE, kToLabel},
        {"wraps back to the group's end", kToLabel, TRUE, IDCANCEL},
        {"a group of two", kFrom, FALSE, kFromLabel},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item(row.expected), GetNextDlgGroupItem(dialog, item(row.from), row.previous));
    }
    EnableWindow(item(kFromLabel), FALSE);
    EXPECT_EQ(item(kFrom), GetNextDlgGroupItem(dialog, item(kFrom), FALSE))
        << "alone in its group, the control finds itself";

    // Arrows move within the group unless the control wants them, as the fields do.
    SetFocus(item(kApply));
    press(VK_DOWN);
    EXPECT_EQ(IDOK, focusId());
    press(VK_UP);
    EXPECT_EQ(kApply, focusId());
    SetFocus(item(kTo));
    press(VK_DOWN);
    EXPECT_EQ(kTo, focusId()) << "a field keeps its arrows";
}

TEST_F(DialogKeyboard, EnterPressesTheFocusedButtonElseTheDefaultAndEscapeCancels)
{
    const LPARAM ok = reinterpret_cast<LPARAM>(item(IDOK));
    const LPARAM apply = reinterpret_cast<LPARAM>(item(kApply));
    const LPARAM cancel = reinterpret_cast<LPARAM>(item(IDCANCEL));
    press(VK_RETURN);  // in the first field: the default button
    press(VK_ESCAPE);
    SetFocus(item(kApply));
    press(VK_RETURN);  // the focused push button, even one that looks plain
    SendMessageA(dialog, DM_SETDEFID, kApply, 0);
    SetFocus(item(kTo));
    press(VK_RETURN);  // the new default
    EnableWindow(item(kApply), FALSE);
    press(VK_RETURN);  // a disabled default: nothing
    SendMessageA(dialog, DM_SETDEFID, 0, 0);
    press(VK_RETURN);  // no default: the OK identifier
    constexpr unsigned kCommand =
        vkstest::sent | vkstest::parent | vkstest::wparam | vkstest::lparam;
    const vkstest::Msg kCommands[] = {
        {WM_COMMAND, kCommand, IDOK, ok},     {WM_COMMAND, kCommand, IDCANCEL, cancel},
        {WM_COMMAND, kCommand, kApply, apply}, {WM_COMMAND, kCommand, kApply, apply},
        {WM_COMMAND, kCommand, IDOK, ok},
    };
    EXPECT_TRUE(vkstest::sequenceMatches(kCommands, clicks()));
}

TEST_F(DialogKeyboard, AControlThatAsksForAKeyGetsIt)
{
    vkstest::ScopedWindowClass wanting(wantingProc);
    const HWND control = CreateWindowExA(0, wanting.name(), "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                         0, 0, 10, 10, dialog,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(77)),
                                         nullptr, nullptr);
    const struct {
        const char *name;
        LRESULT code;
        WPARAM key;
        bool reachesControl;
    } rows[] = {
        {"Tab wanted", DLGC_WANTTAB, VK_TAB, true},
        {"Tab not wanted", 0, VK_TAB, false},
        {"arrows wanted", DLGC_WANTARROWS, VK_DOWN, true},
        {"every key wanted: Enter", DLGC_WANTALLKEYS, VK_RETURN, true},
        {"every key wanted: Escape", DLGC_WANTALLKEYS, VK_ESCAPE, true},
        {"Escape not wanted", DLGC_WANTTAB, VK_ESCAPE, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetFocus(control);
        wantedCode = row.code;
        keysReceived.clear();
        spy.clear();
        press(row.key);
        EXPECT_EQ(row.reachesControl, keysReceived == std::vector<WPARAM>{row.key});
        EXPECT_EQ(row.reachesControl, GetFocus() == control && saw().empty());
    }
    DestroyWindow(control);
}

TEST_F(DialogKeyboard, TheDialogGivesTheFocusBackToItsControlWhenReactivated)
{
    vkstest::ScopedWindowClass plain;
    const HWND other = plain.create("other", WS_POPUP | WS_VISIBLE);
    ASSERT_EQ(other, GetActiveWindow());
    EXPECT_EQ(other, GetFocus());
    SetFocus(item(kTo));
    EXPECT_EQ(dialog, GetActiveWindow());
    SetActiveWindow(other);
    EXPECT_EQ(other, GetFocus());
    SetActiveWindow(dialog);
    EXPECT_EQ(kTo, focusId());

    // With nothing kept, focusing the dialog itself passes the focus to its first control.
    SetFocus(nullptr);
    SendMessageA(dialog, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(kFrom, focusId());
    DestroyWindow(other);
}

// A modal dialog whose procedure posts the keys to its first field once initialised and ends
// with the identifier of the first button pressed.
thread_local std::vector<WPARAM> keysToType;

INT_PTR CALLBACK typingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        for (WPARAM key : keysToType) {
            PostMessageA(GetDlgItem(dialog, kFrom), WM_KEYDOWN, key, 0);
            PostMessageA(GetDlgItem(dialog, kFrom), WM_KEYUP, key, 0);
        }
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

TEST(ModalDialogKeyboard, TheModalLoopGivesTheDialogItsKeys)
{
    vkstest::ModalWatchdog modalWatchdog;
    const struct {
        const char *name;
        std::vector<WPARAM> keys;
        INT_PTR expected;
    } rows[] = {
        {"Enter presses the default button", {VK_RETURN}, IDOK},
        {"Escape cancels", {VK_ESCAPE}, IDCANCEL},
        {"Enter after two Tabs presses Apply", {VK_TAB, VK_TAB, VK_RETURN}, kApply},
        {"Enter after four Tabs presses Cancel", {VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_RETURN},
         IDCANCEL},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        keysToType = row.keys;
        EXPECT_EQ(row.expected, DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kKeyboard), nullptr,
                                                typingDialogProc, 0));
    }
    keysToType.clear();
    vkstest::drainQueue();
}

}  // namespace
