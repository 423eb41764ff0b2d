// DefWindowProcA's mouse, cursor, context-menu and help answers.
#include "user32/default_input.h"

#include <optional>

#include "user32/help_mode.h"
#include "user32/mouse_state.h"
#include "user32/window_class.h"

namespace vks::detail {

namespace {

bool isChild(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

HCURSOR classCursorOf(HWND hwnd)
{
    char name[256];
    if (!GetClassNameA(hwnd, name, sizeof name))
        return nullptr;
    const std::optional<WindowClassInfo> wndClass = findWindowClass(name);
    return wndClass ? wndClass->wc.hCursor : nullptr;
}

}  // namespace

LRESULT defaultHitTest(HWND hwnd, LPARAM screenPoint)
{
    RECT rect{};
    if (!GetWindowRect(hwnd, &rect))
        return HTNOWHERE;
    const LONG x = static_cast<short>(LOWORD(screenPoint));
    const LONG y = static_cast<short>(HIWORD(screenPoint));
    const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
    return inside ? HTCLIENT : HTNOWHERE;
}

LRESULT defaultSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (isChild(hwnd) && SendMessageA(GetParent(hwnd), WM_SETCURSOR, wParam, lParam))
        return TRUE;
    switch (static_cast<short>(LOWORD(lParam))) {
    case HTERROR:
        if (isButtonPress(HIWORD(lParam)))
            MessageBeep(MB_OK);
        return FALSE;
    case HTCLIENT:
        if (const HCURSOR cursor = classCursorOf(hwnd)) {
            SetCursor(cursor);
            return TRUE;
        }
        return FALSE;
    default:
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return TRUE;
    }
}

LRESULT defaultMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (isChild(hwnd))
        if (const LRESULT answer = SendMessageA(GetParent(hwnd), WM_MOUSEACTIVATE, wParam, lParam))
            return answer;
    return static_cast<short>(LOWORD(lParam)) == HTCAPTION ? MA_NOACTIVATE : MA_ACTIVATE;
}

LRESULT defaultRightButtonUp(HWND hwnd, LPARAM clientPoint)
{
    const POINT origin = screenToClientPoint(hwnd, {0, 0});
    const LONG x = static_cast<short>(LOWORD(clientPoint)) - origin.x;
    const LONG y = static_cast<short>(HIWORD(clientPoint)) - origin.y;
    SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(x, y));
    return 0;
}

LRESULT defaultContextMenu(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (isChild(hwnd))
        SendMessageA(GetParent(hwnd), WM_CONTEXTMENU, wParam, lParam);
    return 0;
}

LRESULT defaultKeyF1(HWND hwnd)
{
    sendHelpRequest(hwnd, hwnd, cursorPosition());
    return 0;
}

LRESULT defaultHelp(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const HWND next = isChild(hwnd) ? GetParent(hwnd) : GetWindow(hwnd, GW_OWNER);
    if (next)
        SendMessageA(next, WM_HELP, wParam, lParam);
    return 0;
}

}  // namespace vks::detail
