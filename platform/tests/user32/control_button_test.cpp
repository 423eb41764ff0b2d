// The "Button" and "Static" controls.
#include <gtest/gtest.h>

#include "control_fixtures.h"
#include "windows.h"

namespace {

using vkstest::Note;

class ButtonControl : public vkstest::ControlTest {};
class StaticControl : public vkstest::ControlTest {};
class SystemControls : public vkstest::ControlTest {};

DWORD styleOf(HWND control)
{
    return static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
}

TEST_F(ButtonControl, DialogCodeFollowsTheType)
{
    const struct {
        const char *what;
        DWORD style;
        LRESULT want;
    } kCases[] = {
        {"push button", BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {"default push button", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {"check box", BS_AUTOCHECKBOX, DLGC_BUTTON},
        {"radio button", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {"group box", BS_GROUPBOX, DLGC_STATIC},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND button = child("Button", "b", row.style);
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(row.want, SendMessageA(button, WM_GETDLGCODE, 0, 0));
        DestroyWindow(button);
    }
}

TEST_F(ButtonControl, SetStyleSwitchesTheDefaultLookAndKeepsTheRest)
{
    const HWND button = child("Button", "OK", BS_PUSHBUTTON | WS_TABSTOP | BS_NOTIFY);
    const DWORD kept = styleOf(button) & ~DWORD{BS_TYPEMASK};

    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(kept | BS_DEFPUSHBUTTON, styleOf(button));
    EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON, SendMessageA(button, WM_GETDLGCODE, 0, 0));

    // Bits outside the type are not taken from the message.
    constexpr DWORD kBottom = 0x0800;
    SendMessageA(button, BM_SETSTYLE, BS_PUSHBUTTON | kBottom, FALSE);
    EXPECT_EQ(kept | BS_PUSHBUTTON, styleOf(button));
    EXPECT_EQ(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, SendMessageA(button, WM_GETDLGCODE, 0, 0));
    EXPECT_TRUE(takeNotes().empty());
}

TEST_F(ButtonControl, ClickTellsTheParentUnlessDisabled)
{
    const HWND button = child("Button", "OK", BS_PUSHBUTTON, IDOK);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(std::vector<Note>{command(button, BN_CLICKED, IDOK)}, takeNotes());

    // The mouse clicks when the button goes up over the control it went down on.
    SendMessageA(button, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(takeNotes().empty()) << "released without being pressed";
    SendMessageA(button, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(button, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(std::vector<Note>{command(button, BN_CLICKED, IDOK)}, takeNotes());

    EnableWindow(button, FALSE);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(takeNotes().empty());
}

WNDPROC buttonProcBefore = nullptr;

LRESULT CALLBACK subclassedButton(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)
        vkstest::seenMessages().push_back({hwnd, message, wParam});
    return CallWindowProcA(buttonProcBefore, hwnd, message, wParam, lParam);
}

TEST_F(ButtonControl, ClickComesAsTheMouseToASubclass)
{
    const HWND button = child("Button", "OK", BS_PUSHBUTTON, IDOK);
    buttonProcBefore = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassedButton)));
    ASSERT_NE(nullptr, buttonProcBefore);
    SendMessageA(button, BM_CLICK, 0, 0);
    const std::vector<vkstest::Seen> kWant = {{button, WM_LBUTTONDOWN}, {button, WM_LBUTTONUP}};
    EXPECT_EQ(kWant, vkstest::takeSeen());
    EXPECT_EQ(std::vector<Note>{command(button, BN_CLICKED, IDOK)}, takeNotes());
}

TEST_F(StaticControl, KeepsItsStyleAndText)
{
    const struct {
        const char *what;
        DWORD style;
    } kCases[] = {
        {"left", SS_LEFT},
        {"centred without prefix", SS_CENTER | SS_NOPREFIX},
        {"right, sunken, notifying", SS_RIGHT | SS_SUNKEN | SS_NOTIFY},
        {"etched frame", SS_ETCHEDFRAME},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        const HWND label = child("static", "&Name:", row.style);
        ASSERT_NE(nullptr, label);
        EXPECT_EQ(WS_CHILD | WS_VISIBLE | row.style, styleOf(label));
        char text[16] = {};
        EXPECT_EQ(6, GetWindowTextA(label, text, sizeof text));
        EXPECT_STREQ("&Name:", text);
        EXPECT_EQ(DLGC_STATIC, SendMessageA(label, WM_GETDLGCODE, 0, 0));
        EXPECT_TRUE(SetWindowTextA(label, "Other"));
        DestroyWindow(label);
    }
    EXPECT_TRUE(takeNotes().empty()) << "a static tells its parent nothing";
}

TEST_F(SystemControls, ExistBeforeAnyoneRegistersThem)
{
    for (const char *name : {"Edit", "STATIC", "button", "msctls_updown32"}) {
        SCOPED_TRACE(name);
        WNDCLASSA wc{};
        SetLastError(0xdeadbeef);
        EXPECT_TRUE(GetClassInfoA(nullptr, name, &wc));
        EXPECT_NE(nullptr, wc.lpfnWndProc);
        wc.lpszClassName = name;
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0, RegisterClassA(&wc));
        EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS), GetLastError());
    }
}

}  // namespace
