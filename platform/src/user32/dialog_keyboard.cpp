// The dialog manager's keyboard: the tab and group orders and IsDialogMessageA.
#include <vector>

#include "user32/dialog_focus.h"
#include "user32/dialog_state.h"
#include "vksboundary.h"
#include "windows.h"

using namespace vks::detail;

namespace {

std::vector<HWND> childrenOf(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

// The control's own bits decide, so that the orders hold while the dialog itself is hidden.
bool isVisibleAndEnabled(HWND control)
{
    const DWORD style = styleOf(control);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool isTabStop(HWND control)
{
    return isVisibleAndEnabled(control) && (styleOf(control) & WS_TABSTOP);
}

std::ptrdiff_t indexOf(const std::vector<HWND> &children, HWND control)
{
    for (std::size_t i = 0; i < children.size(); ++i)
        if (children[i] == control)
            return static_cast<std::ptrdiff_t>(i);
    return -1;
}

// Walks the ring of `count` places from `from`, one step at a time in the given direction,
// ending at `from` itself; the first place `accept`s wins, -1 when none does.
template <typename Accept>
std::ptrdiff_t walkRing(std::ptrdiff_t count, std::ptrdiff_t from, bool backward, Accept accept)
{
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t at = ((from + (backward ? -step : step)) % count + count) % count;
        if (accept(at))
            return at;
    }
    return -1;
}

// The group of the control at `index`: from the nearest WS_GROUP control at or before it up to
// the next WS_GROUP control.
std::pair<std::size_t, std::size_t> groupAround(const std::vector<HWND> &children,
                                                std::size_t index)
{
    std::size_t first = index;
    while (first > 0 && !(styleOf(children[first]) & WS_GROUP))
        --first;
    std::size_t end = index + 1;
    while (end < children.size() && !(styleOf(children[end]) & WS_GROUP))
        ++end;
    return {first, end};
}

bool shiftIsDown()
{
    return (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

void command(HWND dialog, int id, HWND control)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

void tabFrom(HWND dialog, bool backward)
{
    if (isDialog(dialog)) {
        SendMessageA(dialog, WM_NEXTDLGCTL, backward ? 1 : 0, 0);
        return;
    }
    // A window that is no dialog gets the move without the default button's look.
    const HWND focus = GetFocus();
    const HWND next = GetNextDlgTabItem(dialog, focus == dialog ? nullptr : focus, backward);
    if (next)
        focusDialogControl(next);
}

void arrowFrom(HWND dialog, HWND control, bool backward)
{
    const HWND next = GetNextDlgGroupItem(dialog, control, backward);
    if (next && askDialogCode(next) == (DLGC_BUTTON | DLGC_RADIOBUTTON))
        SetFocus(next);
    else
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
}

// Enter presses the focused push button, else the default button unless it is disabled, else
// the OK identifier. The key's own window was asked for its code already.
void pressEnter(HWND dialog, const MSG &msg, LRESULT keyWindowCode)
{
    const HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) &&
        isPushButtonCode(focus == msg.hwnd ? keyWindowCode : askDialogCode(focus))) {
        command(dialog, GetDlgCtrlID(focus), focus);
        return;
    }
    const LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(answer) == DC_HASDEFID) {
        const HWND button = dialogChildById(dialog, LOWORD(answer));
        if (!button || IsWindowEnabled(button))
            command(dialog, LOWORD(answer), button);
        return;
    }
    command(dialog, IDOK, dialogChildById(dialog, IDOK));
}

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when the control's text marks `key` as its mnemonic ("&Apply" for A; "&&" is a plain
// ampersand, and the trail byte of a double-byte character is never one).
bool hasMnemonic(HWND control, char key)
{
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    for (const char *at = text; *at; ++at) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*at))) {
            if (!*++at)
                break;
        } else if (*at == '&') {
            if (at[1] == '&')
                ++at;
            else
                return at[1] && asciiUpper(at[1]) == asciiUpper(key);
        }
    }
    return false;
}

// The next visible, enabled control after `from` whose mnemonic is `key`, searching the ring of
// the dialog's controls.
HWND mnemonicControl(HWND dialog, HWND from, char key)
{
    const std::vector<HWND> children = childrenOf(dialog);
    const auto count = static_cast<std::ptrdiff_t>(children.size());
    const std::ptrdiff_t start = from ? indexOf(children, from) : count - 1;
    if (count == 0)
        return nullptr;
    const std::ptrdiff_t found = walkRing(count, start < 0 ? count - 1 : start, false,
                                          [&](std::ptrdiff_t at) {
                                              return isVisibleAndEnabled(children[at]) &&
                                                     hasMnemonic(children[at], key);
                                          });
    return found < 0 ? nullptr : children[found];
}

// A label's mnemonic focuses the control after it; a button's presses the button.
void actOnMnemonic(HWND dialog, HWND control)
{
    const LRESULT code = askDialogCode(control);
    if (code & DLGC_STATIC) {
        HWND next = GetWindow(control, GW_HWNDNEXT);
        while (next && (!isVisibleAndEnabled(next) || (askDialogCode(next) & DLGC_STATIC)))
            next = GetWindow(next, GW_HWNDNEXT);
        if (next)
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
        return;
    }
    if (code & DLGC_BUTTON || isPushButtonCode(code)) {
        if (!isPushButtonCode(code))
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), 1);
        SendMessageA(control, BM_CLICK, 0, 0);
        return;
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), 1);
}

// A character the focused control does not take may be a control's mnemonic.
bool handleChar(HWND dialog, const MSG &msg)
{
    const LRESULT code = askDialogCode(msg.hwnd, msg.wParam, &msg);
    if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE) || msg.wParam > 0x7F)
        return false;
    const HWND control = mnemonicControl(dialog, msg.hwnd == dialog ? nullptr : msg.hwnd,
                                         static_cast<char>(msg.wParam));
    if (!control)
        return false;
    actOnMnemonic(dialog, control);
    return true;
}

// True when the key was the dialog's to act on.
bool handleKeyDown(HWND dialog, const MSG &msg)
{
    const LRESULT code = askDialogCode(msg.hwnd, msg.wParam, &msg);
    if (code & DLGC_WANTMESSAGE)
        return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        tabFrom(dialog, shiftIsDown());
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return false;
        arrowFrom(dialog, msg.hwnd, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        return true;
    case VK_ESCAPE:
        command(dialog, IDCANCEL, dialogChildById(dialog, IDCANCEL));
        return true;
    case VK_RETURN:
        pressEnter(dialog, msg, code);
        return true;
    default:
        return false;
    }
}

}  // namespace

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        if (!IsWindow(hDlg)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        if (hCtl == hDlg)
            hCtl = nullptr;
        // Like Windows, against its documentation: no control and backwards finds nothing.
        if (!hCtl && bPrevious)
            return nullptr;
        const std::vector<HWND> children = childrenOf(hDlg);
        const auto count = static_cast<std::ptrdiff_t>(children.size());
        // No control starts after the last one, so the search begins with the first.
        const std::ptrdiff_t from = hCtl ? indexOf(children, hCtl) : count - 1;
        if (count == 0 || from < 0)
            return nullptr;
        const std::ptrdiff_t found = walkRing(count, from, bPrevious != FALSE,
                                              [&](std::ptrdiff_t at) {
                                                  return isTabStop(children[at]);
                                              });
        return found < 0 ? nullptr : children[found];
    });
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        if (!IsWindow(hDlg)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        if (hCtl == hDlg)
            hCtl = nullptr;
        const std::vector<HWND> children = childrenOf(hDlg);
        if (!hCtl) {
            if (bPrevious)
                return nullptr;
            for (HWND child : children)
                if (isVisibleAndEnabled(child))
                    return child;
            return nullptr;
        }
        const std::ptrdiff_t index = indexOf(children, hCtl);
        if (index < 0)
            return nullptr;
        const auto group = groupAround(children, static_cast<std::size_t>(index));
        const auto first = group.first;  // not a structured binding: clang 14 cannot capture one
        const auto size = static_cast<std::ptrdiff_t>(group.second - first);
        const std::ptrdiff_t found = walkRing(size, index - static_cast<std::ptrdiff_t>(first),
                                              bPrevious != FALSE, [&](std::ptrdiff_t at) {
                                                  return isVisibleAndEnabled(children[first + at]);
                                              });
        return found < 0 ? hCtl : children[first + found];
    });
}

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpMsg || !hDlg || !IsWindow(hDlg))
            return FALSE;
        if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))
            return FALSE;
        if (lpMsg->message == WM_KEYDOWN && handleKeyDown(hDlg, *lpMsg))
            return TRUE;
        if (lpMsg->message == WM_CHAR && handleChar(hDlg, *lpMsg))
            return TRUE;
        // Everything else for the dialog goes to its window as usual.
        TranslateMessage(lpMsg);
        DispatchMessageA(lpMsg);
        return TRUE;
    });
}
